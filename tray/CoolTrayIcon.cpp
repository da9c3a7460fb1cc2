#include "tray/CoolTrayIcon.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "toolkit/Application.h"
#include "toolkit/Exception.h"
#include "toolkit/Form.h"
#include "toolkit/UtilWindow.h"
#include "toolkit/WinControl.h"

namespace korvale {

namespace {

constexpr std::size_t kTipLength = 127;
// 4.70, packed as major << 16 | minor: the first common controls that know the message.
constexpr DWORD kTaskbarCreatedVersion = 262214;

DWORD CommonControlsVersion() {
  HMODULE library = LoadLibraryA("comctl32.dll");
  if (!library) return 0;
  DWORD version = 0;
  auto get = reinterpret_cast<DLLGETVERSIONPROC>(
      reinterpret_cast<void*>(GetProcAddress(library, "DllGetVersion")));
  DLLVERSIONINFO info{};
  info.cbSize = sizeof info;
  if (get && SUCCEEDED(get(&info))) version = info.dwMajorVersion << 16 | info.dwMinorVersion;
  FreeLibrary(library);
  return version;
}

// Registered when the program starts, as the shell broadcasts it at any time after.
const UINT taskbarCreated =
    CommonControlsVersion() > kTaskbarCreatedVersion ? RegisterWindowMessageA("TaskbarCreated") : 0;

TShiftState KeyboardShift() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  return shift;
}

TShiftState ButtonShift(TMouseButton button) {
  switch (button) {
    case TMouseButton::mbLeft:
      return ssLeft;
    case TMouseButton::mbRight:
      return ssRight;
    case TMouseButton::mbMiddle:
      return ssMiddle;
  }
  return 0;
}

class TrayWindow {
 public:
  TrayWindow() : window_(TUtilMessageHandler(this, &TrayWindow::Handle)) {}
  HWND Window() const { return window_.Handle(); }

  UINT Add(TCoolTrayIcon* icon) {
    const UINT id = nextId_++;
    icons_.emplace_back(id, icon);
    return id;
  }
  bool Remove(TCoolTrayIcon* icon) {
    std::erase_if(icons_, [icon](const auto& entry) { return entry.second == icon; });
    return icons_.empty();
  }
  int Count() const { return static_cast<int>(icons_.size()); }

 private:
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
      case TCoolTrayIcon::TrayCallbackMessage: {
        // The identifier comes from outside the process: only a live icon's is followed.
        auto it = std::find_if(icons_.begin(), icons_.end(), [wParam](const auto& entry) {
          return entry.first == static_cast<UINT>(wParam);
        });
        if (it != icons_.end()) it->second->HandleIconMessage(static_cast<UINT>(lParam));
        return 0;
      }
      // The shared window outlives any session shutdown request on its own terms.
      case WM_CLOSE:
      case WM_QUIT:
      case WM_DESTROY:
      case WM_QUERYENDSESSION:
      case WM_ENDSESSION:
        return 1;
      default:
        return DefWindowProcA(window_.Handle(), msg, wParam, lParam);
    }
  }

  UtilWindow window_;
  std::vector<std::pair<UINT, TCoolTrayIcon*>> icons_;
  // Identifiers are never reused, so a late notification cannot reach a newer icon.
  UINT nextId_ = 1;
};

std::unique_ptr<TrayWindow>& SharedTrayWindow() {
  static std::unique_ptr<TrayWindow> shared;
  return shared;
}

}  // namespace

UINT TaskbarCreatedMessage() { return taskbarCreated; }

UINT TTrayIconHandler::Add(TCoolTrayIcon* icon, HWND& window) {
  auto& shared = SharedTrayWindow();
  if (!shared) shared = std::make_unique<TrayWindow>();
  window = shared->Window();
  return shared->Add(icon);
}

void TTrayIconHandler::Remove(TCoolTrayIcon* icon) {
  auto& shared = SharedTrayWindow();
  if (shared && shared->Remove(icon)) shared.reset();
}

HWND TTrayIconHandler::Handle() {
  return SharedTrayWindow() ? SharedTrayWindow()->Window() : nullptr;
}

int TTrayIconHandler::RefCount() { return SharedTrayWindow() ? SharedTrayWindow()->Count() : 0; }

TCoolTrayIcon::TCoolTrayIcon(TComponent* owner) : TComponent(owner) {
  HWND window = nullptr;
  const UINT id = TTrayIconHandler::Add(this, window);
  enabled_ = true;
  showHint_ = true;
  startupPending_ = true;
  pointerOutside_ = true;
  icon_.OnChange = TNotifyEvent(this, &TCoolTrayIcon::IconChanged);

  // The version-2 record: the tip holds 128 characters and balloons are understood.
  iconData_.cbSize = NOTIFYICONDATAA_V2_SIZE;
  iconData_.hWnd = window;
  iconData_.uID = id;
  iconData_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  iconData_.uCallbackMessage = TrayCallbackMessage;

  cycleTimer_ = std::make_unique<TSimpleTimer>(TNotifyEvent(this, &TCoolTrayIcon::CycleTimerProc));
  clickTimer_ = std::make_unique<TSimpleTimer>(TNotifyEvent(this, &TCoolTrayIcon::ClickTimerProc));
  exitTimer_ =
      std::make_unique<TSimpleTimer>(20, TNotifyEvent(this, &TCoolTrayIcon::ExitTimerProc));

  Application().HookMainWindow(TWindowHook(this, &TCoolTrayIcon::HookAppProc));
  if (auto* control = dynamic_cast<TWinControl*>(owner)) {
    (void)ownerHook_.Attach(control->Handle(), TWndMethod(this, &TCoolTrayIcon::OwnerHookProc));
  }
}

TCoolTrayIcon::~TCoolTrayIcon() {
  MarkDestroying();
  RemoveTrayIcon();
  cycleTimer_.reset();
  clickTimer_.reset();
  exitTimer_.reset();
  icon_.OnChange = TNotifyEvent();
  icon_.SetHandle(nullptr);
  Application().UnhookMainWindow(TWindowHook(this, &TCoolTrayIcon::HookAppProc));
  ownerHook_.Remove();
  TTrayIconHandler::Remove(this);
}

void TCoolTrayIcon::Loaded() {
  TComponent::Loaded();
  if (OwnerIsWindow()) {
    bool showMainForm = true;
    if (OnStartup) OnStartup(this, showMainForm);
    if (!showMainForm) {
      Application().SetShowMainForm(false);
      SendToTray();
    }
  }
  UpdateTrayIcon();
  SetIconVisible(iconVisible_);
  SetCycleIcons(cycleIcons_);
  SetWantEnterExitEvents(wantEnterExitEvents_);
  // Version 0: classic notifications, the mouse message alone in lParam.
  NOTIFYICONDATAA request = iconData_;
  request.uVersion = 0;
  (void)Shell_NotifyIconA(NIM_SETVERSION, &request);
}

void TCoolTrayIcon::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == popupMenu_) popupMenu_ = nullptr;
  if (component == iconList_) iconList_ = nullptr;
}

void TCoolTrayIcon::SendShellRequest(DWORD request) {
  // The shell's refusals (adding an icon twice, changing one that is gone) are not
  // reported: the component's state follows the request, not its outcome.
  (void)Shell_NotifyIconA(request, &iconData_);
}

void TCoolTrayIcon::PrepareIconData() {
  iconData_.hIcon = icon_.Handle();
  std::memset(iconData_.szTip, 0, sizeof iconData_.szTip);
  if (!hint_.empty() && showHint_) {
    const std::size_t length = std::min(hint_.size(), kTipLength);
    std::memcpy(iconData_.szTip, hint_.data(), length);
    iconData_.szTip[kTipLength] = '\0';
  }
}

void TCoolTrayIcon::AddTrayIcon() {
  iconVisible_ = true;
  PrepareIconData();
  SendShellRequest(NIM_ADD);
}

void TCoolTrayIcon::RemoveTrayIcon() {
  iconVisible_ = false;
  PrepareIconData();
  SendShellRequest(NIM_DELETE);
}

void TCoolTrayIcon::UpdateTrayIcon() {
  PrepareIconData();
  SendShellRequest(NIM_MODIFY);
}

void TCoolTrayIcon::SetIconVisible(bool visible) {
  if (HasState(TComponentState::Loading)) {
    iconVisible_ = visible;
    return;
  }
  if (visible) AddTrayIcon();
  else RemoveTrayIcon();
}

void TCoolTrayIcon::SetHint(const std::string& hint) {
  hint_ = hint;
  UpdateTrayIcon();
}

void TCoolTrayIcon::SetShowHint(bool show) {
  showHint_ = show;
  UpdateTrayIcon();
}

void TCoolTrayIcon::IconChanged(TObject*) { UpdateTrayIcon(); }

void TCoolTrayIcon::SetIconList(TImageList* list) {
  iconList_ = list;
  SetIconIndex(0);
}

void TCoolTrayIcon::SetIconIndex(int index) {
  const int count = iconList_ ? iconList_->Count() : 0;
  if (count == 0) {
    iconIndex_ = 0;
    UpdateTrayIcon();
    return;
  }
  iconIndex_ = std::clamp(index, 0, count - 1);
  LoadListIcon(iconIndex_);
}

void TCoolTrayIcon::LoadListIcon(int index) {
  // An image that cannot be made into an icon leaves an empty icon, shown as such.
  icon_.SetHandle(ImageList_GetIcon(iconList_->Handle(), index, ILD_NORMAL));
}

void TCoolTrayIcon::SetCycleIcons(bool cycle) {
  cycleIcons_ = cycle;
  if (HasState(TComponentState::Loading)) return;
  if (cycle) SetIconIndex(0);
  cycleTimer_->SetEnabled(cycle);
}

void TCoolTrayIcon::SetWantEnterExitEvents(bool want) {
  wantEnterExitEvents_ = want;
  if (HasState(TComponentState::Loading)) return;
  exitTimer_->SetEnabled(want);
}

bool TCoolTrayIcon::OwnerIsWindow() const {
  return !HasState(TComponentState::Destroying) && dynamic_cast<TWinControl*>(Owner()) != nullptr;
}

void TCoolTrayIcon::HideTaskbarButton() { Application().ShowTaskbarWindow(false); }

void TCoolTrayIcon::RestoreFromTray() {
  TForm* main = Application().MainForm();
  if (!OwnerIsWindow() || !main) return;
  if (Application().Minimized()) Application().Restore();
  if (main->WindowState() == TWindowState::wsMinimized)
    main->SetWindowState(TWindowState::wsNormal);
  main->Show();
  SetForegroundWindow(Application().Handle());
  Application().BringToFront();
}

void TCoolTrayIcon::SendToTray() {
  TForm* main = Application().MainForm();
  if (!OwnerIsWindow() || !main) return;
  main->Hide();
  HideTaskbarButton();
}

void TCoolTrayIcon::PerformMinimizeToTray() {
  SendToTray();
  SetIconVisible(true);
}

void TCoolTrayIcon::PopupAtCursor() {
  if (!popupMenu_ || !popupMenu_->AutoPopup()) return;
  POINT pointer{};
  if (!GetCursorPos(&pointer)) return;
  // A menu of a background window does not close when the user clicks elsewhere.
  SetForegroundWindow(Application().Handle());
  Application().ProcessMessages();
  // Pending messages may have taken the menu away.
  if (!popupMenu_) return;
  popupMenu_->SetPopupComponent(this);
  popupMenu_->Popup(pointer.x, pointer.y);
  // Lets the shell see the menu close (the known tray menu quirk).
  if (ownerHook_.Attached()) PostMessageA(ownerHook_.Window(), WM_NULL, 0, 0);
}

void TCoolTrayIcon::MouseEvent(TMouseEvent& event, TMouseButton button) {
  if (!event) return;
  POINT pointer{};
  GetCursorPos(&pointer);
  event(this, button, static_cast<TShiftState>(KeyboardShift() | ButtonShift(button)), pointer.x,
        pointer.y);
}

void TCoolTrayIcon::HandleIconMessage(UINT mouseMessage) {
  if (!enabled_) return;
  switch (mouseMessage) {
    case WM_MOUSEMOVE: {
      if (wantEnterExitEvents_ && pointerOutside_) {
        if (OnMouseEnter) OnMouseEnter(this);
        pointerOutside_ = false;
      }
      POINT pointer{};
      GetCursorPos(&pointer);
      if (OnMouseMove) OnMouseMove(this, KeyboardShift(), pointer.x, pointer.y);
      lastPointerX_ = pointer.x;
      lastPointerY_ = pointer.y;
      break;
    }
    case WM_LBUTTONDOWN:
      if (OnDblClick) {
        clickTimer_->SetInterval(GetDoubleClickTime());
        (void)clickTimer_->Start();
      }
      MouseEvent(OnMouseDown, TMouseButton::mbLeft);
      leftButtonDown_ = true;
      if (leftPopup_) PopupAtCursor();
      break;
    case WM_LBUTTONUP:
      if (leftButtonDown_) clickPending_ = true;
      if (leftButtonDown_ && !clickTimer_->Enabled()) {
        leftButtonDown_ = false;
        clickPending_ = false;
        if (OnClick) OnClick(this);
      }
      leftButtonDown_ = false;
      MouseEvent(OnMouseUp, TMouseButton::mbLeft);
      break;
    case WM_LBUTTONDBLCLK:
      clickPending_ = false;
      doubleClickSeen_ = true;
      if (OnDblClick) OnDblClick(this);
      if (popupMenu_ && popupMenu_->AutoPopup() && !leftPopup_) ClickDefaultItem();
      break;
    case WM_RBUTTONDOWN:
      MouseEvent(OnMouseDown, TMouseButton::mbRight);
      PopupAtCursor();
      break;
    case WM_RBUTTONUP:
      MouseEvent(OnMouseUp, TMouseButton::mbRight);
      break;
    case WM_MBUTTONDOWN:
      MouseEvent(OnMouseDown, TMouseButton::mbMiddle);
      break;
    case WM_MBUTTONUP:
      MouseEvent(OnMouseUp, TMouseButton::mbMiddle);
      break;
    case NIN_BALLOONSHOW:
      if (OnBalloonHintShow) OnBalloonHintShow(this);
      break;
    case NIN_BALLOONHIDE:
      if (OnBalloonHintHide) OnBalloonHintHide(this);
      break;
    case NIN_BALLOONTIMEOUT:
      if (OnBalloonHintTimeout) OnBalloonHintTimeout(this);
      break;
    case NIN_BALLOONUSERCLICK:
      if (OnBalloonHintClick) OnBalloonHintClick(this);
      break;
    default:
      break;
  }
}

void TCoolTrayIcon::ClickDefaultItem() {
  TMenuItem* items = popupMenu_->Items();
  for (int i = 0; i < items->Count(); ++i) {
    if (items->Items(i)->Default()) {
      items->Items(i)->Click();
      return;
    }
  }
}

void TCoolTrayIcon::ClickTimerProc(TObject*) {
  clickTimer_->Stop();
  if (!doubleClickSeen_ && clickPending_) {
    clickPending_ = false;
    if (OnClick) OnClick(this);
  }
  doubleClickSeen_ = false;
}

void TCoolTrayIcon::ExitTimerProc(TObject*) {
  if (pointerOutside_) return;
  POINT pointer{};
  if (!GetCursorPos(&pointer)) return;
  if (pointer.x != lastPointerX_ || pointer.y != lastPointerY_) {
    pointerOutside_ = true;
    if (OnMouseExit) OnMouseExit(this);
  }
}

void TCoolTrayIcon::CycleTimerProc(TObject*) {
  if (!iconList_ || iconList_->Count() == 0) return;
  LoadListIcon(iconIndex_);
  const int next = iconIndex_ + 1 < iconList_->Count() ? iconIndex_ + 1 : 0;
  if (OnCycle) OnCycle(this, next);
  SetIconIndex(next);
}

bool TCoolTrayIcon::HookAppProc(TMessage& message) {
  TForm* main = Application().MainForm();
  switch (message.Msg) {
    case WM_SIZE:
      if (message.WParam == SIZE_MINIMIZED && minimizeToTray_) PerformMinimizeToTray();
      break;
    case WM_WINDOWPOSCHANGED:
      if (startupPending_ && main) {
        // An MDI frame shows itself before Loaded can decide; it is asked here instead.
        if (main->FormStyle() == TFormStyle::fsMDIForm) {
          bool showMainForm = true;
          if (OnStartup) OnStartup(this, showMainForm);
          if (!showMainForm) HideTaskbarButton();
        }
        startupPending_ = false;
      }
      break;
    case WM_SYSCOMMAND:
      if ((message.WParam & 0xFFF0) == SC_RESTORE && main) main->Show();
      break;
    default:
      if (message.Msg != 0 && message.Msg == TaskbarCreatedMessage() && iconVisible_) AddTrayIcon();
      break;
  }
  return false;
}

bool TCoolTrayIcon::OwnerMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                                 LRESULT& result) {
  if (msg == WM_SHOWWINDOW && wParam && lParam != SW_PARENTOPENING) {
    SetForegroundWindow(Application().Handle());
    SetForegroundWindow(window);
    return false;
  }
  const bool minimizing = msg == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MINIMIZE;
  const bool parentClosing = msg == WM_SHOWWINDOW && !wParam && lParam == SW_PARENTCLOSING &&
                             !Application().Terminated();
  if ((minimizing || parentClosing) && minimizeToTray_ && OnMinimizeToTray) {
    OnMinimizeToTray(this);
    PerformMinimizeToTray();
    result = 1;
    return true;
  }
  return false;
}

void TCoolTrayIcon::OwnerHookProc(TMessage& message) {
  if (!OwnerMessage(ownerHook_.Window(), message.Msg, message.WParam, message.LParam,
                    message.Result))
    ownerHook_.CallNext(message);
}

}  // namespace korvale
