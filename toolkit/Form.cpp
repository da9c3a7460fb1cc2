#include "toolkit/Form.h"

#include <algorithm>

#include "toolkit/Application.h"
#include "toolkit/Exception.h"
#include "toolkit/Menus.h"
#include "toolkit/Screen.h"

namespace korvale {

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  visible_ = false;
  SetParentFont(false);
  left_ = 100;
  top_ = 100;
  width_ = 320;
  height_ = 240;
  icon_.OnChange = TNotifyEvent(this, &TForm::IconChanged);
  Screen().AddForm(this);
}

TForm::~TForm() {
  destroying_ = true;
  MarkDestroying();
  // An MDI child leaves through its client, which activates the next child (and gives the
  // frame its menu back) while this one still answers.
  if (formStyle_ == TFormStyle::fsMDIChild && handle_) {
    if (TForm* frame = MdiFrame())
      SendMessageA(frame->mdiClient_, WM_MDIDESTROY, reinterpret_cast<WPARAM>(handle_), 0);
  }
  SetMenu(nullptr);
  if (OnDestroy) {
    try {
      OnDestroy(this);
    } catch (const std::exception& e) {
      Application().HandleException(this, e);
    }
  }
  DestroyComponents();
  Screen().RemoveForm(this);
  Application().FormDestroyed(this);
}

void TForm::AfterConstruction() {
  for (TComponent* c : std::vector<TComponent*>(Components())) c->Loaded();
  Loaded();
  if (OnCreate) OnCreate(this);
  if (visible_) {
    visible_ = false;
    SetVisible(true);
  }
}

DWORD TForm::FrameStyle() const {
  DWORD style = 0;
  switch (borderStyle_) {
    case TFormBorderStyle::bsNone:
      style = formStyle_ == TFormStyle::fsMDIChild ? 0 : WS_POPUP;
      break;
    case TFormBorderStyle::bsSingle:
      style = WS_CAPTION | WS_BORDER;
      break;
    case TFormBorderStyle::bsSizeable:
      style = WS_CAPTION | WS_THICKFRAME;
      break;
    case TFormBorderStyle::bsDialog:
      style = WS_POPUP | WS_CAPTION;
      break;
  }
  if (borderStyle_ != TFormBorderStyle::bsNone && (borderIcons_ & biSystemMenu)) {
    style |= WS_SYSMENU;
    if (borderStyle_ != TFormBorderStyle::bsDialog) {
      if (borderIcons_ & biMinimize) style |= WS_MINIMIZEBOX;
      if (borderIcons_ & biMaximize) style |= WS_MAXIMIZEBOX;
    }
  }
  return style | WS_CLIPCHILDREN;
}

DWORD TForm::FrameExStyle() const {
  DWORD ex = 0;
  if (borderStyle_ == TFormBorderStyle::bsDialog) ex |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
  if (formStyle_ == TFormStyle::fsStayOnTop) ex |= WS_EX_TOPMOST;
  if (formStyle_ == TFormStyle::fsMDIChild) ex |= WS_EX_MDICHILD;
  return ex;
}

void TForm::ApplyOuterSize() {
  if (clientWidth_ < 0) return;
  RECT r{0, 0, clientWidth_, clientHeight_};
  AdjustWindowRectEx(&r, FrameStyle(), HasMenuBar(), FrameExStyle());
  width_ = r.right - r.left;
  height_ = r.bottom - r.top;
}

void TForm::CreateParams(TCreateParams& params) {
  ApplyOuterSize();
  TWinControl::CreateParams(params);
  params.style = FrameStyle();
  params.exStyle = FrameExStyle();
  params.classStyle = CS_DBLCLKS;
  if (!enabled_) params.style |= WS_DISABLED;
  if (formStyle_ == TFormStyle::fsMDIChild) {
    TForm* frame = Application().MainForm();
    if (!frame || frame->FormStyle() != TFormStyle::fsMDIForm)
      throw Exception("Cannot create form. No MDI forms are currently active");
    params.parent = frame->ClientHandle();
    params.defaultProc = DefMDIChildProcA;
    params.style |= WS_CHILD | WS_CLIPSIBLINGS;
  } else {
    params.parent = Application().Handle();
  }
  switch (position_) {
    case TPosition::poDesigned:
      break;
    case TPosition::poDefault:
      params.x = params.y = CW_USEDEFAULT;
      break;
    case TPosition::poScreenCenter:
      params.x = (GetSystemMetrics(SM_CXSCREEN) - params.width) / 2;
      params.y = (GetSystemMetrics(SM_CYSCREEN) - params.height) / 2;
      break;
    case TPosition::poMainFormCenter: {
      TForm* main = Application().MainForm();
      if (main && main != this && main->HandleAllocated()) {
        params.x = main->Left() + (main->Width() - params.width) / 2;
        params.y = main->Top() + (main->Height() - params.height) / 2;
      } else {
        params.x = (GetSystemMetrics(SM_CXSCREEN) - params.width) / 2;
        params.y = (GetSystemMetrics(SM_CYSCREEN) - params.height) / 2;
      }
      break;
    }
  }
}

void TForm::InitializeHandle() {
  if (menu_) ::SetMenu(handle_, menu_->Handle());
  if (formStyle_ == TFormStyle::fsMDIForm && !mdiClient_) {
    CLIENTCREATESTRUCT ccs{nullptr, 0xFF00};
    RECT r{};
    GetClientRect(handle_, &r);
    mdiClient_ = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                 WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE,
                                 0, 0, r.right, r.bottom, handle_, nullptr,
                                 GetModuleHandleA(nullptr), &ccs);
  }
  if (!icon_.Empty()) {
    SendMessageA(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Handle()));
    SendMessageA(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Handle()));
  }
}

HWND TForm::ClientHandle() {
  HWND own = Handle();
  return formStyle_ == TFormStyle::fsMDIForm && mdiClient_ ? mdiClient_ : own;
}

void TForm::DefaultHandler(TMessage& message) {
  if (handle_ && message.Msg < CM_BASE) {
    if (formStyle_ == TFormStyle::fsMDIForm) {
      message.Result = DefFrameProcA(handle_, mdiClient_, message.Msg, message.WParam, message.LParam);
      return;
    }
  }
  TWinControl::DefaultHandler(message);
}

void TForm::WndProc(TMessage& message) {
  if (DispatchMenuMessage(message)) return;
  switch (message.Msg) {
    case CM_MENUCHANGED:
      // LParam names a main menu that is going away.
      if (message.LParam && reinterpret_cast<TMainMenu*>(message.LParam) == menu_) SetMenu(nullptr);
      else if (menu_ && handle_) {
        ::SetMenu(handle_, menu_->Handle());
        DrawMenuBar(handle_);
      }
      message.Result = 0;
      return;
    case WM_MDIACTIVATE:
      // The lParam names the child being activated; none when the last one goes.
      if (formStyle_ == TFormStyle::fsMDIChild) {
        const auto activated = reinterpret_cast<HWND>(message.LParam);
        if (activated == handle_ || !activated) ShowMdiMenu(activated == handle_);
      }
      break;
    case WM_DESTROY:
      // A window frees the menu it shows; the menu belongs to its component.
      if (handle_ && GetMenu(handle_)) ::SetMenu(handle_, nullptr);
      break;
    case WM_CLOSE:
      Close();
      message.Result = 0;
      return;
    case WM_ACTIVATE: {
      const bool active = LOWORD(message.WParam) != WA_INACTIVE;
      active_ = active;
      if (active) {
        Screen().SetActiveForm(this);
        if (OnActivate) OnActivate(this);
        if (!HIWORD(message.WParam)) {
          if (activeControl_ && activeControl_->CanFocus()) ::SetFocus(activeControl_->Handle());
          else SelectFirst();
          if (!GetFocus() || !IsChild(handle_, GetFocus())) ::SetFocus(handle_);
        }
        message.Result = 0;
        return;
      }
      if (OnDeactivate) OnDeactivate(this);
      break;
    }
    case WM_SETFOCUS:
      if (activeControl_ && activeControl_ != this && activeControl_->CanFocus()) {
        ::SetFocus(activeControl_->Handle());
        return;
      }
      break;
    case CM_DIALOGKEY:
      if (message.WParam == VK_TAB && !(GetKeyState(VK_CONTROL) < 0)) {
        SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
        message.Result = 1;
        return;
      }
      break;
    case WM_SYSCOMMAND:
      if ((message.WParam & 0xFFF0) == SC_MINIMIZE && Application().MainForm() == this &&
          formStyle_ != TFormStyle::fsMDIChild) {
        Application().Minimize();
        message.Result = 0;
        return;
      }
      break;
    case WM_SIZE:
      if (message.WParam == SIZE_MINIMIZED) windowState_ = TWindowState::wsMinimized;
      else if (message.WParam == SIZE_MAXIMIZED) windowState_ = TWindowState::wsMaximized;
      else if (message.WParam == SIZE_RESTORED) windowState_ = TWindowState::wsNormal;
      TWinControl::WndProc(message);
      if (OnResize) OnResize(this);
      return;
    case CM_RELEASE:
      Free();  // deferred: this message is itself being handled
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

void TForm::Paint(TCanvas& canvas) {
  (void)canvas;
  if (OnPaint) OnPaint(this);
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  if (handle_) {
    SetWindowLongA(handle_, GWL_STYLE, static_cast<LONG>(FrameStyle() | (GetWindowLongA(handle_, GWL_STYLE) & WS_VISIBLE)));
    SetWindowLongA(handle_, GWL_EXSTYLE, static_cast<LONG>(FrameExStyle()));
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
}

void TForm::SetBorderIcons(std::uint8_t icons) {
  borderIcons_ = icons;
  if (handle_) {
    SetWindowLongA(handle_, GWL_STYLE, static_cast<LONG>(FrameStyle() | (GetWindowLongA(handle_, GWL_STYLE) & WS_VISIBLE)));
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
}

void TForm::SetFormStyle(TFormStyle style) {
  if (style == formStyle_) return;
  if (handle_) throw Exception("Cannot change the form style of a form with a window");
  formStyle_ = style;
}

TWindowState TForm::WindowState() const {
  if (handle_ && IsWindowVisible(handle_)) {
    if (IsIconic(handle_)) return TWindowState::wsMinimized;
    if (IsZoomed(handle_)) return TWindowState::wsMaximized;
    return TWindowState::wsNormal;
  }
  return windowState_;
}

void TForm::SetWindowState(TWindowState state) {
  windowState_ = state;
  if (!handle_ || !IsWindowVisible(handle_)) return;
  ShowWindow(handle_, state == TWindowState::wsMinimized   ? SW_MINIMIZE
                      : state == TWindowState::wsMaximized ? SW_MAXIMIZE
                                                           : SW_RESTORE);
}

void TForm::SetClientSize(int width, int height) {
  if (handle_) {
    // The frame the window has now, which a skin may have drawn itself: not the one its
    // style would give.
    RECT window{}, client{};
    GetWindowRect(handle_, &window);
    GetClientRect(handle_, &client);
    SetBounds(left_, top_, width + (window.right - window.left) - client.right,
              height + (window.bottom - window.top) - client.bottom);
    return;
  }
  clientWidth_ = width;
  clientHeight_ = height;
  ApplyOuterSize();
}

RECT TForm::ClientRect() const {
  if (!handle_ && clientWidth_ >= 0) return RECT{0, 0, clientWidth_, clientHeight_};
  if (!handle_) {
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, FrameStyle(), HasMenuBar(), FrameExStyle());
    return RECT{0, 0, width_ - (frame.right - frame.left), height_ - (frame.bottom - frame.top)};
  }
  return TWinControl::ClientRect();
}

void TForm::SetVisible(bool visible) {
  // While the form's description is read the window waits for AfterConstruction.
  if (HasState(TComponentState::Loading)) {
    visible_ = visible;
    return;
  }
  const bool shown = handle_ && IsWindowVisible(handle_);
  if (visible == visible_ && (!handle_ || shown == visible)) return;
  visible_ = visible;
  if (visible) {
    if (OnShow) OnShow(this);
    HandleNeeded();
    if (Application().MainForm() == this) Application().ShowTaskbarWindow(true);
    ShowWindow(handle_, windowState_ == TWindowState::wsMinimized   ? SW_SHOWMINIMIZED
                        : windowState_ == TWindowState::wsMaximized ? SW_SHOWMAXIMIZED
                                                                    : SW_SHOWNORMAL);
    BringToFront();
  } else {
    if (handle_) ShowWindow(handle_, SW_HIDE);
    if (OnHide) OnHide(this);
  }
}

void TForm::BringToFront() {
  if (!handle_) return;
  SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(handle_);
}

namespace {

BOOL CALLBACK CollectTaskWindow(HWND window, LPARAM param) {
  auto* list = reinterpret_cast<std::vector<HWND>*>(param);
  if (window != list->front() && IsWindowVisible(window) && IsWindowEnabled(window))
    list->push_back(window);
  return TRUE;
}

}  // namespace

TModalResult TForm::ShowModal() {
  if (visible_ || !enabled_ || modal_ || formStyle_ == TFormStyle::fsMDIChild)
    throw Exception("Cannot make a visible window modal");
  if (GetCapture()) SendMessageA(GetCapture(), WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  HWND previousActive = GetActiveWindow();
  HandleNeeded();
  std::vector<HWND> disabled{handle_};
  EnumThreadWindows(GetCurrentThreadId(), CollectTaskWindow, reinterpret_cast<LPARAM>(&disabled));
  disabled.erase(disabled.begin());
  for (HWND w : disabled) EnableWindow(w, FALSE);
  modal_ = true;
  modalResult_ = mrNone;
  try {
    Show();
    while (modalResult_ == mrNone) {
      Application().HandleMessage();
      if (Application().Terminated()) modalResult_ = mrCancel;
      else if (modalResult_ != mrNone) CloseModal();
    }
  } catch (...) {
    for (HWND w : disabled) EnableWindow(w, TRUE);
    modal_ = false;
    throw;
  }
  for (HWND w : disabled) EnableWindow(w, TRUE);
  Hide();
  modal_ = false;
  if (previousActive && IsWindow(previousActive)) SetActiveWindow(previousActive);
  return modalResult_;
}

TForm* TForm::MdiFrame() const {
  TForm* frame = Application().MainForm();
  return frame && frame->formStyle_ == TFormStyle::fsMDIForm && frame->mdiClient_ ? frame : nullptr;
}

// The frame's bar shows the active child's menu, as the system's MDI frames do; its own
// when the active child has none or no child is active.
void TForm::ShowMdiMenu(bool active) {
  TForm* frame = MdiFrame();
  if (!frame) return;
  TMainMenu* shown = active && menu_ ? menu_ : frame->menu_;
  if (shown) SendMessageA(frame->mdiClient_, WM_MDISETMENU, reinterpret_cast<WPARAM>(shown->Handle()), 0);
}

void TForm::CloseModal() {
  TCloseAction action = TCloseAction::caHide;
  if (!CloseQuery()) {
    action = TCloseAction::caNone;
  } else if (OnClose) {
    OnClose(this, action);
  }
  if (action == TCloseAction::caNone) modalResult_ = mrNone;
  else if (action == TCloseAction::caFree) Release();
}

bool TForm::CloseQuery() {
  if (formStyle_ == TFormStyle::fsMDIForm) {
    for (int i = 0; i < Screen().FormCount(); ++i) {
      TForm* f = Screen().Forms(i);
      if (f != this && f->FormStyle() == TFormStyle::fsMDIChild && !f->CloseQuery()) return false;
    }
  }
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = TCloseAction::caHide;
  if (formStyle_ == TFormStyle::fsMDIChild)
    action = (borderIcons_ & biMinimize) ? TCloseAction::caMinimize : TCloseAction::caNone;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  if (Application().MainForm() == this) {
    Application().Terminate();
    return;
  }
  switch (action) {
    case TCloseAction::caHide:
      Hide();
      break;
    case TCloseAction::caMinimize:
      SetWindowState(TWindowState::wsMinimized);
      break;
    case TCloseAction::caFree:
      Release();
      break;
    case TCloseAction::caNone:
      break;
  }
}

void TForm::Release() {
  if (handle_) PostMessageA(handle_, CM_RELEASE, 0, 0);
  else Free();
}

void TForm::SetActiveControl(TWinControl* control) {
  if (control && control->ParentForm() != this)
    throw Exception("Invalid control for the active control of '" + Name() + "'");
  activeControl_ = control;
  if (control && handle_ && active_ && control->CanFocus()) ::SetFocus(control->Handle());
}

void TForm::FocusControl(TWinControl* control) {
  if (control == activeControl_) return;
  TWinControl* previous = activeControl_;
  activeControl_ = control;
  if (previous) previous->Perform(CM_EXIT, 0, 0);
  if (control) control->Perform(CM_ENTER, 0, 0);
  TMessage changed{CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control), 0};
  Broadcast(changed);
}

void TForm::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  std::vector<TWinControl*> candidates;
  for (TWinControl* c : list) {
    if (c == current || (c->CanFocus() && (!checkTabStop || c->TabStop()))) candidates.push_back(c);
  }
  if (candidates.empty()) return;
  auto it = std::find(candidates.begin(), candidates.end(), current);
  const int n = static_cast<int>(candidates.size());
  int index = it == candidates.end() ? (forward ? -1 : n) : static_cast<int>(it - candidates.begin());
  for (int step = 0; step < n; ++step) {
    index = (index + (forward ? 1 : -1) + n) % n;
    TWinControl* next = candidates[index];
    if (next != current && next->CanFocus() && (!checkTabStop || next->TabStop())) {
      next->SetFocus();
      return;
    }
  }
}

void TForm::SelectFirst() {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  for (TWinControl* c : list) {
    if (c->CanFocus() && c->TabStop()) {
      c->SetFocus();
      return;
    }
  }
}

void TForm::ControlRemoved(TWinControl* control) {
  for (TControl* c = activeControl_; c; c = c->Parent()) {
    if (c == control) {
      activeControl_ = nullptr;
      return;
    }
  }
}

bool TForm::IsShortCut(const MSG& msg) {
  if (menu_ && menu_->IsShortCut(msg)) return true;
  // Popup menus of the form answer for their shortcuts too.
  for (TComponent* c : std::vector<TComponent*>(Components())) {
    auto* popup = dynamic_cast<TPopupMenu*>(c);
    if (popup && popup->IsShortCut(msg)) return true;
  }
  return false;
}

void TForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  if (menu && menu->Window() && menu->Window() != this)
    throw Exception("The menu is already the menu bar of another form");
  const bool hadMenuBar = menu_ != nullptr;
  RECT client{};
  if (handle_) GetClientRect(handle_, &client);
  if (menu_) {
    if (handle_) ::SetMenu(handle_, nullptr);
    menu_->SetWindow(nullptr);
  }
  menu_ = menu;
  if (menu_) {
    menu_->SetWindow(this);
    if (handle_) ::SetMenu(handle_, menu_->Handle());
  }
  if (handle_) {
    DrawMenuBar(handle_);
    // The menu bar takes its room from the frame, not from the client area.
    if (hadMenuBar != (menu_ != nullptr)) SetClientSize(client.right, client.bottom);
  }
}

void TForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == menu_) SetMenu(nullptr);
}

void TForm::IconChanged(TObject*) {
  if (!handle_) return;
  SendMessageA(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Handle()));
  SendMessageA(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Handle()));
}

}  // namespace korvale
