#include "toolkit/WinControl.h"

#include <algorithm>
#include <map>

#include "toolkit/Application.h"
#include "toolkit/Exception.h"
#include "toolkit/Form.h"

namespace korvale {

namespace {

struct ToolkitClass {
  WNDPROC baseProc = nullptr;
  bool system = false;
};

// Keyed by class atom; read only for messages that arrive while no object is bound (before
// WM_NCCREATE, after WM_NCDESTROY).
std::map<ATOM, ToolkitClass>& Classes() {
  static std::map<ATOM, ToolkitClass> classes;
  return classes;
}

// The object pointer sits in the last slot of the window extra bytes, after whatever the
// system class keeps there.
int ObjectSlot(HWND window) {
  return static_cast<int>(GetClassLongPtrA(window, GCL_CBWNDEXTRA)) -
         static_cast<int>(sizeof(LONG_PTR));
}

int NextControlId() {
  static int next = 100;
  next = next >= 0x7FFF ? 100 : next + 1;
  return next;
}

}  // namespace

LRESULT CALLBACK ToolkitClassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

namespace {

const ToolkitClass* RegisterToolkitClass(const TCreateParams& params) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (ATOM atom = static_cast<ATOM>(GetClassInfoExA(instance, params.className.c_str(), &existing))) {
    auto it = Classes().find(atom);
    if (it != Classes().end()) return &it->second;
    throw Exception("Window class \"" + params.className + "\" belongs to another module part");
  }
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  ToolkitClass info;
  if (!params.baseClass.empty()) {
    WNDCLASSEXA base{};
    base.cbSize = sizeof base;
    if (!GetClassInfoExA(nullptr, params.baseClass.c_str(), &base))
      throw Exception("Unknown system window class \"" + params.baseClass + "\"");
    wc = base;
    wc.cbSize = sizeof wc;
    info.baseProc = base.lpfnWndProc;
    info.system = true;
  } else {
    wc.style = params.classStyle;
    wc.hCursor = params.cursor ? params.cursor : LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = params.background;
    info.baseProc = params.defaultProc ? params.defaultProc : DefWindowProcA;
  }
  wc.cbWndExtra += static_cast<int>(sizeof(LONG_PTR));
  wc.lpfnWndProc = ToolkitClassProc;
  wc.hInstance = instance;
  wc.lpszClassName = params.className.c_str();
  wc.lpszMenuName = nullptr;
  const ATOM atom = RegisterClassExA(&wc);
  if (!atom) throw Exception("Cannot register window class \"" + params.className + "\"");
  return &(Classes()[atom] = info);
}

}  // namespace

LRESULT CALLBACK ToolkitClassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, ObjectSlot(window)));
  if (!control && msg == WM_NCCREATE) {
    const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    void* param = cs->lpCreateParams;
    if ((cs->dwExStyle & WS_EX_MDICHILD) && param)
      param = reinterpret_cast<void*>(static_cast<const MDICREATESTRUCTA*>(param)->lParam);
    control = static_cast<TWinControl*>(param);
    if (control) control->Bind(window);
  }
  if (!control) {
    const ATOM atom = static_cast<ATOM>(GetClassWord(window, GCW_ATOM));
    auto it = Classes().find(atom);
    WNDPROC base = it != Classes().end() ? it->second.baseProc : DefWindowProcA;
    return CallWindowProcA(base, window, msg, wParam, lParam);
  }
  // The top-level control is pinned for the whole handling, which may reparent the control.
  TWinControl* root = control;
  while (root->Parent()) root = root->Parent();
  ++control->dispatchDepth_;
  ++root->treeDispatchDepth_;
  TMessage message{msg, wParam, lParam, 0};
  control->MainWndProc(message);
  if (msg == WM_NCDESTROY) control->Unbind();
  --control->dispatchDepth_;
  --root->treeDispatchDepth_;
  // The inner control first: freeing the top-level one frees it too.
  if (control != root) control->FinishDispatch();
  root->FinishDispatch();
  return message.Result;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
  brush_.SetColor(Color());
}

TWinControl::~TWinControl() {
  MarkDestroying();
  DestroyComponents();
  // Leave the parent while this is still a windowed control: from ~TControl the parent
  // could no longer tell, and would keep it in its tab list.
  if (Parent()) Parent()->RemoveControl(this);
  while (!controls_.empty()) delete controls_.back();
  // Leave the parent while still a TWinControl, so that it drops this from its tab list.
  if (Parent()) Parent()->RemoveControl(this);
  DestroyHandle();
}

void TWinControl::Free() {
  if (Busy()) {
    freePending_ = true;
    return;
  }
  delete this;
}

void TWinControl::FinishDispatch() {
  if (!freePending_ || Busy()) return;
  freePending_ = false;  // the destructor's own messages must not free it again
  delete this;
}

void TWinControl::Bind(HWND window) {
  handle_ = window;
  SetWindowLongPtrA(window, ObjectSlot(window), reinterpret_cast<LONG_PTR>(this));
}

void TWinControl::Unbind() {
  if (handle_) SetWindowLongPtrA(handle_, ObjectSlot(handle_), 0);
  handle_ = nullptr;
  trackingLeave_ = false;
}

TWinControl* TWinControl::FindControl(HWND window) {
  if (!window || GetClassLongPtrA(window, GCLP_WNDPROC) !=
                     reinterpret_cast<ULONG_PTR>(&ToolkitClassProc))
    return nullptr;
  return reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, ObjectSlot(window)));
}

void TWinControl::MainWndProc(TMessage& message) {
  try {
    WindowProc(message);
  } catch (const std::exception& e) {
    Application().HandleException(this, e);
  }
}

HWND TWinControl::Handle() {
  if (!handle_ && !creating_) {
    if (HasState(TComponentState::Destroying))
      throw Exception("Control '" + Name() + "' has no parent window");
    CreateWnd();
  }
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.caption = caption_;
  params.x = left_;
  params.y = top_;
  params.width = width_;
  params.height = height_;
  params.className = ClassName();
  if (Parent()) {
    params.style = WS_CHILD | WS_CLIPSIBLINGS;
    params.parent = Parent()->ClientHandle();
  } else {
    params.style = WS_POPUP;
  }
  if (visible_) params.style |= WS_VISIBLE;
  if (!enabled_) params.style |= WS_DISABLED;
  if (tabStop_) params.style |= WS_TABSTOP;
}

void TWinControl::CreateWnd() {
  // Asking for the parent's window below creates the parent, which creates its children:
  // this one must not be made twice.
  (void)Application();  // registers the common-control classes the superclasses build on
  creating_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{creating_};
  TCreateParams params;
  CreateParams(params);
  if ((params.style & WS_CHILD) && !params.parent)
    throw Exception("Control '" + Name() + "' has no parent window");
  const ToolkitClass* cls = RegisterToolkitClass(params);
  defWndProc_ = cls->baseProc;
  systemClass_ = cls->system;
  HMENU id = nullptr;
  if (params.style & WS_CHILD) {
    if (!controlId_) controlId_ = NextControlId();
    id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId_));
  }
  HWND window = CreateWindowExA(params.exStyle, params.className.c_str(), params.caption.c_str(),
                                params.style, params.x, params.y, params.width, params.height,
                                params.parent, id, GetModuleHandleA(nullptr),
                                params.createParam ? params.createParam : this);
  if (!window) throw Exception("Error creating window for '" + ClassName() + "'");
  if (!handle_) Bind(window);
  RECT r{};
  GetWindowRect(window, &r);
  if (HWND parent = GetParent(window); parent && (params.style & WS_CHILD))
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  left_ = r.left;
  top_ = r.top;
  width_ = r.right - r.left;
  height_ = r.bottom - r.top;
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), 0);
  InitializeHandle();
  for (TWinControl* child : tabList_) child->HandleNeeded();
}

void TWinControl::SaveHandleState() {
  if (handle_) caption_ = Caption();
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  for (TWinControl* child : tabList_) child->SaveHandleState();
  SaveHandleState();
  if (GetCapture() == handle_) ReleaseCapture();
  DestroyWindow(handle_);
  // A window whose procedure was replaced by someone who never puts it back still ends
  // here; the object is unbound either way.
  if (handle_) Unbind();
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  DestroyHandle();
  HandleNeeded();
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!handle_ || (message.Msg >= CM_BASE && message.Msg < CN_BASE + 0x400)) {
    message.Result = 0;
    return;
  }
  message.Result = CallWindowProcA(defWndProc_, handle_, message.Msg, message.WParam,
                                   message.LParam);
}

bool TWinControl::ReflectNotification(TMessage& message, HWND child) {
  TWinControl* control = FindControl(child);
  if (!control || control == this) return false;
  message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
  return true;
}

bool TWinControl::IsControlMouseMsg(TMessage& message) {
  if (message.Msg < WM_MOUSEFIRST || message.Msg > WM_MOUSELAST || message.Msg == WM_MOUSEWHEEL)
    return false;
  TControl* target = captureControl_;
  const POINT p{message.XPos(), message.YPos()};
  if (!target) target = ControlAtPos(p);
  if (!target) return false;
  if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_RBUTTONDOWN) {
    captureControl_ = target;
    SetCapture(handle_);
  } else if ((message.Msg == WM_LBUTTONUP || message.Msg == WM_RBUTTONUP) && captureControl_) {
    captureControl_ = nullptr;
    if (GetCapture() == handle_) ReleaseCapture();
  }
  message.Result = target->Perform(message.Msg, message.WParam,
                                   MAKELPARAM(p.x - target->Left(), p.y - target->Top()));
  return true;
}

void TWinControl::TrackMouse(TMessage& message) {
  TControl* target = ControlAtPos(POINT{message.XPos(), message.YPos()});
  Application().SetMouseControl(target ? target : this);
  if (!trackingLeave_) {
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, handle_, 0};
    trackingLeave_ = TrackMouseEvent(&tme) != FALSE;
  }
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (doubleBuffered_ || std::any_of(controls_.begin(), controls_.end(),
                                         [](TControl* c) { return c->IsGraphic(); }) ||
          !systemClass_) {
        PaintHandler(message);
        return;
      }
      break;
    case WM_PRINTCLIENT:
      if (!systemClass_) {
        PaintWindow(reinterpret_cast<HDC>(message.WParam));
        PaintControls(reinterpret_cast<HDC>(message.WParam));
        return;
      }
      break;
    case WM_ERASEBKGND:
      // Double buffering erases into the off-screen bitmap (there WParam == LParam).
      if (doubleBuffered_ && message.WParam != static_cast<WPARAM>(message.LParam)) {
        message.Result = 1;
        return;
      }
      if (!systemClass_) {
        RECT r{};
        GetClientRect(handle_, &r);
        brush_.SetColor(Color());
        FillRect(reinterpret_cast<HDC>(message.WParam), &r, brush_.Handle());
        message.Result = 1;
        return;
      }
      break;
    case WM_COMMAND:
      if (message.LParam && ReflectNotification(message, reinterpret_cast<HWND>(message.LParam)))
        return;
      break;
    case WM_NOTIFY:
      if (ReflectNotification(message, reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom)) return;
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      if (message.LParam && ReflectNotification(message, reinterpret_cast<HWND>(message.LParam)))
        return;
      break;
    case WM_DRAWITEM:
    case WM_MEASUREITEM: {
      const UINT type = message.Msg == WM_DRAWITEM
                            ? reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam)->CtlType
                            : reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam)->CtlType;
      if (type != ODT_MENU && message.WParam &&
          ReflectNotification(message, GetDlgItem(handle_, static_cast<int>(message.WParam))))
        return;
      break;
    }
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(message.WParam);
      SetTextColor(dc, ColorToRGB(Font().Color()));
      SetBkColor(dc, ColorToRGB(Color()));
      brush_.SetColor(Color());
      message.Result = reinterpret_cast<LRESULT>(brush_.Handle());
      return;
    }
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
      DialogKey(message);
      return;
    case CN_CHAR:
      DialogChar(message, true);
      return;
    case CN_SYSCHAR:
      DialogChar(message, false);
      return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
      Broadcast(message);
      return;
    case CM_ENABLEDCHANGED:
      if (handle_) EnableWindow(handle_, Enabled());
      break;
    case CM_FONTCHANGED:
      if (handle_) {
        // Sent in the same call that freed the old font, before anything can paint with it.
        SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
      }
      for (TControl* c : controls_) c->Perform(CM_PARENTFONTCHANGED, 0, 0);
      break;
    case CM_COLORCHANGED:
      brush_.SetColor(Color());
      for (TControl* c : controls_) c->Perform(CM_PARENTCOLORCHANGED, 0, 0);
      break;
    case WM_SETFOCUS:
      if (TForm* form = ParentForm(); form && form != this) form->FocusControl(this);
      break;
    case WM_MOUSEMOVE:
      TrackMouse(message);
      break;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      Application().MouseLeft(this);
      break;
    case WM_WINDOWPOSCHANGED: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
      if (!(pos->flags & SWP_NOMOVE) || !(pos->flags & SWP_NOSIZE)) {
        RECT r{};
        GetWindowRect(handle_, &r);
        if (HWND parent = GetParent(handle_); parent && (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD))
          MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        left_ = r.left;
        top_ = r.top;
        width_ = r.right - r.left;
        height_ = r.bottom - r.top;
      }
      break;
    }
    case WM_DESTROY:
      SaveHandleState();
      break;
    case WM_CANCELMODE:
      captureControl_ = nullptr;
      break;
    default:
      break;
  }
  if (IsControlMouseMsg(message)) return;
  TControl::WndProc(message);
}

void TWinControl::DialogKey(TMessage& message) {
  message.Result = 0;
  const WPARAM key = message.WParam;
  UINT mask = 0;
  switch (key) {
    case VK_TAB:
      mask = DLGC_WANTTAB;
      break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
      mask = DLGC_WANTALLKEYS;
      break;
    default:
      return;
  }
  if (Perform(WM_GETDLGCODE, 0, 0) & mask) return;
  if (TForm* form = ParentForm()) message.Result = form->Perform(CM_DIALOGKEY, key, message.LParam);
}

void TWinControl::DialogChar(TMessage& message, bool wantsCheck) {
  message.Result = 0;
  if (wantsCheck && (Perform(WM_GETDLGCODE, 0, 0) & (DLGC_WANTCHARS | DLGC_WANTALLKEYS))) return;
  if (TForm* form = ParentForm())
    message.Result = form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam);
}

void TWinControl::Broadcast(TMessage& message) {
  for (TControl* c : controls_) {
    if (c->IsGraphic()) continue;
    c->WindowProc(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::PaintHandler(TMessage& message) {
  if (message.WParam) {
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    PaintWindow(dc);
    PaintControls(dc);
    return;
  }
  PaintScope paint(handle_);
  if (!doubleBuffered_) {
    PaintWindow(paint.get());
    PaintControls(paint.get());
    return;
  }
  RECT client{};
  GetClientRect(handle_, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  UniqueDC memory(CreateCompatibleDC(paint.get()));
  UniqueBitmap bitmap(CreateCompatibleBitmap(paint.get(), client.right, client.bottom));
  {
    SelectGuard select(memory.get(), bitmap.get());
    const auto dc = reinterpret_cast<WPARAM>(memory.get());
    Perform(WM_ERASEBKGND, dc, static_cast<LPARAM>(dc));
    Perform(WM_PAINT, dc, 0);
    BitBlt(paint.get(), 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
  }
}

TCanvas& TWinControl::ControlCanvas() {
  if (!canvas_) canvas_ = std::make_unique<TCanvas>();
  return *canvas_;
}

void TWinControl::PaintWindow(HDC dc) {
  if (systemClass_) {
    TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(m);
    return;
  }
  TCanvas& canvas = ControlCanvas();
  canvas.SetHandle(dc);
  canvas.Font().Assign(Font());
  canvas.Brush().SetColor(Color());
  Paint(canvas);
  canvas.SetHandle(nullptr);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  bool started = first == nullptr;
  for (TControl* c : controls_) {
    if (c == first) started = true;
    if (!started || !c->IsGraphic() || !c->Visible()) continue;
    if (c->Width() <= 0 || c->Height() <= 0) continue;
    SavedDC saved(dc);
    POINT origin{};
    OffsetViewportOrgEx(dc, c->Left(), c->Top(), &origin);
    IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

TControl* TWinControl::ControlAtPos(POINT point) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!c->IsGraphic() || !c->Visible() || !c->Enabled()) continue;
    const RECT r = c->BoundsRect();
    if (PtInRect(&r, point)) return c;
  }
  return nullptr;
}

void TWinControl::InsertControl(TControl* control) {
  control->parent_ = this;
  controls_.push_back(control);
  if (auto* win = dynamic_cast<TWinControl*>(control)) tabList_.push_back(win);
  control->InheritFromParent();
  if (handle_) {
    if (auto* win = dynamic_cast<TWinControl*>(control)) win->HandleNeeded();
    else control->Invalidate();
  }
}

void TWinControl::RemoveControl(TControl* control) {
  if (captureControl_ == control) captureControl_ = nullptr;
  tabList_.erase(std::remove_if(tabList_.begin(), tabList_.end(),
                                [&](TWinControl* w) { return static_cast<TControl*>(w) == control; }),
                 tabList_.end());
  if (auto* win = dynamic_cast<TWinControl*>(control)) {
    if (TForm* form = ParentForm()) form->ControlRemoved(win);
    win->DestroyHandle();
  } else {
    control->Invalidate();
  }
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  control->parent_ = nullptr;
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->tabList_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (!Parent()) return;
  auto& list = Parent()->tabList_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  order = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + order, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
  for (TWinControl* c : tabList_) {
    list.push_back(c);
    c->GetTabOrderList(list);
  }
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
  if (!CanFocus()) throw Exception("Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (handle_) {
    if (left != left_ || top != top_ || width != width_ || height != height_)
      SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

RECT TWinControl::ClientRect() const {
  RECT r{0, 0, width_, height_};
  if (handle_) GetClientRect(handle_, &r);
  return r;
}

std::string TWinControl::Caption() const {
  if (!handle_) return caption_;
  const int length = GetWindowTextLengthA(handle_);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(handle_, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(got, 0)));
  return text;
}

void TWinControl::SetCaption(const std::string& text) {
  if (handle_) {
    if (Caption() == text) return;
    SetWindowTextA(handle_, text.c_str());
    caption_ = text;
    TextChanged();
    Perform(CM_TEXTCHANGED, 0, 0);
    return;
  }
  TControl::SetCaption(text);
}

void TWinControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  VisibleChanged();
  if (handle_) {
    if (Parent()) {
      ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
    } else {
      ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
    }
  } else if (visible && Parent() && Parent()->HandleAllocated()) {
    HandleNeeded();
  }
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0, 0);
}

void TWinControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  if (!enabled && Focused()) {
    if (TForm* form = ParentForm()) form->SelectNext(this, true, true);
  }
  TControl::SetEnabled(enabled);
}

void TWinControl::FontChanged() { Perform(CM_FONTCHANGED, 0, 0); Invalidate(); }

void TWinControl::ColorChanged() {
  Perform(CM_COLORCHANGED, 0, 0);
  Invalidate();
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

}  // namespace korvale
