#include "toolkit/Application.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/Exception.h"
#include "toolkit/Form.h"
#include "toolkit/Screen.h"
#include "toolkit/WinControl.h"

namespace korvale {

namespace {

constexpr char kAppClass[] = "TApplication";

}  // namespace

TApplication& Application() {
  // Lives for the whole process: forms freed during static destruction still report here.
  static TApplication* application = new TApplication;
  return *application;
}

TApplication::TApplication() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                           ICC_UPDOWN_CLASS | ICC_DATE_CLASSES};
  InitCommonControlsEx(&icc);
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name = path;
  name = name.substr(name.find_last_of("\\/") + 1);
  if (auto dot = name.rfind('.'); dot != std::string::npos) name.resize(dot);
  title_ = name;

  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = AppWndProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kAppClass;
  RegisterClassExA(&wc);
  // Zero size at the screen's centre: invisible itself, it carries the taskbar button.
  handle_ = CreateWindowExA(0, kAppClass, title_.c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2,
                            0, 0, nullptr, nullptr, instance, this);
  icon_.OnChange = TNotifyEvent(this, &TApplication::IconChanged);
  // The program's own icon, when its executable has one, for the taskbar button.
  (void)icon_.LoadFromResourceName(instance, "MAINICON");
}

TApplication::~TApplication() {
  DestroyComponents();
  if (handle_) DestroyWindow(handle_);
}

LRESULT CALLBACK TApplication::AppWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* app = reinterpret_cast<TApplication*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!app) return DefWindowProcA(window, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    app->handle_ = nullptr;
    return DefWindowProcA(window, msg, wParam, lParam);
  }
  if (!app->handle_) app->handle_ = window;
  TMessage message{msg, wParam, lParam, 0};
  try {
    app->WndProc(message);
  } catch (const std::exception& e) {
    app->HandleException(app, e);
  }
  return message.Result;
}

void TApplication::WndProc(TMessage& message) {
  // Hooks run in the order they were added; the first to consume the message ends it.
  for (const TWindowHook& hook : std::vector<TWindowHook>(hooks_)) {
    if (hook(message)) return;
  }
  switch (message.Msg) {
    case WM_CLOSE:
      if (mainForm_) mainForm_->Close();
      return;
    case WM_SYSCOMMAND:
      switch (message.WParam & 0xFFF0) {
        case SC_MINIMIZE:
          Minimize();
          return;
        case SC_RESTORE:
          Restore();
          return;
        default:
          break;
      }
      break;
    case WM_ACTIVATE:
      // The application window is never the one to work in: pass activation to the form.
      if (LOWORD(message.WParam) != WA_INACTIVE && !IsIconic(handle_)) {
        HWND target = nullptr;
        if (TForm* form = Screen().ActiveForm(); form && form->HandleAllocated() &&
                                                 IsWindowVisible(form->Handle()) &&
                                                 IsWindowEnabled(form->Handle()))
          target = form->Handle();
        else if (mainForm_ && mainForm_->HandleAllocated() && IsWindowVisible(mainForm_->Handle()) &&
                 IsWindowEnabled(mainForm_->Handle()))
          target = mainForm_->Handle();
        if (target) {
          SetActiveWindow(target);
          message.Result = 0;
          return;
        }
      }
      break;
    case WM_QUERYENDSESSION:
      message.Result = !mainForm_ || mainForm_->CloseQuery();
      return;
    default:
      break;
  }
  message.Result = DefWindowProcA(handle_, message.Msg, message.WParam, message.LParam);
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  if (handle_) SetWindowTextA(handle_, title.c_str());
}

void TApplication::IconChanged(TObject*) {
  if (!handle_) return;
  SendMessageA(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Handle()));
  SendMessageA(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Handle()));
}

void TApplication::Initialize() { terminated_ = false; }

void TApplication::Run() {
  if (mainForm_ && showMainForm_) {
    if (mainForm_->WindowState() == TWindowState::wsMinimized) Minimize();
    mainForm_->Show();
  }
  while (!terminated_) HandleMessage();
}

bool TApplication::IsShortCut(MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  TForm* form = ActiveTopForm();
  return form && form->IsShortCut(msg);
}

TForm* TApplication::ActiveTopForm() const {
  HWND active = GetActiveWindow();
  if (TWinControl* c = TWinControl::FindControl(active)) return dynamic_cast<TForm*>(c);
  return nullptr;
}

bool TApplication::IsKeyMsg(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  // The key goes to the nearest toolkit window up the chain (a foreign child such as the
  // spin field's up-down button answers for its toolkit parent).
  HWND window = GetCapture() ? GetCapture() : msg.hwnd;
  while (window && !TWinControl::FindControl(window)) window = GetParent(window);
  if (!window) return false;
  return SendMessageA(window, CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  bool handled = false;
  if (OnMessage) OnMessage(msg, handled);
  if (!handled && !IsShortCut(msg) && !IsKeyMsg(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg)) {
    Idle();
    if (!terminated_) WaitMessage();
  }
}

void TApplication::Idle() {
  // The pointer may have left every toolkit window without a leave message (a window moved
  // away under it); follow it here as well.
  POINT p{};
  if (mouseControl_ && GetCursorPos(&p)) {
    HWND window = WindowFromPoint(p);
    TWinControl* control = TWinControl::FindControl(window);
    if (!control) {
      SetMouseControl(nullptr);
    } else {
      ScreenToClient(window, &p);
      TControl* graphic = control->ControlAtPos(p);
      SetMouseControl(graphic ? graphic : control);
    }
  }
  if (OnIdle) OnIdle(this);
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

bool TApplication::Minimized() const { return handle_ && IsIconic(handle_); }

void TApplication::ShowTaskbarWindow(bool show) {
  if (!handle_) return;
  if (show && !IsWindowVisible(handle_)) ShowWindow(handle_, SW_SHOWNOACTIVATE);
  else if (!show && IsWindowVisible(handle_)) ShowWindow(handle_, SW_HIDE);
}

void TApplication::Minimize() {
  if (!handle_ || IsIconic(handle_)) return;
  // Forms are owned by this window: minimizing it hides them, restoring shows them again.
  ShowOwnedPopups(handle_, FALSE);
  ShowWindow(handle_, SW_MINIMIZE);
  if (OnMinimize) OnMinimize(this);
}

void TApplication::Restore() {
  if (!handle_) return;
  if (IsIconic(handle_)) {
    ShowWindow(handle_, SW_RESTORE);
    ShowOwnedPopups(handle_, TRUE);
    if (OnRestore) OnRestore(this);
  }
  BringToFront();
}

void TApplication::BringToFront() {
  HWND target = nullptr;
  if (TForm* form = Screen().ActiveForm(); form && form->HandleAllocated()) target = form->Handle();
  else if (mainForm_ && mainForm_->HandleAllocated()) target = mainForm_->Handle();
  if (target && IsWindowVisible(target)) {
    SetForegroundWindow(target);
    SetActiveWindow(target);
  }
}

void TApplication::HookMainWindow(TWindowHook hook) {
  if (std::find(hooks_.begin(), hooks_.end(), hook) == hooks_.end()) hooks_.push_back(hook);
}

void TApplication::UnhookMainWindow(TWindowHook hook) {
  hooks_.erase(std::remove(hooks_.begin(), hooks_.end(), hook), hooks_.end());
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
  HWND owner = GetActiveWindow();
  if (!owner) owner = handle_;
  return ::MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

void TApplication::HandleException(TObject* sender, const std::exception& error) {
  if (OnException) {
    OnException(sender, error);
    return;
  }
  ShowException(error);
}

void TApplication::ShowException(const std::exception& error) {
  // One error box at a time: timers and sockets keep running inside its modal loop, and a
  // handler that fails on every tick would otherwise open box after box inside it. An error
  // that arrives while the box is open is not shown; the user is already being told.
  if (showingError_) return;
  showingError_ = true;
  std::string text = error.what();
  if (!text.empty() && text.back() != '.') text += '.';
  MessageBox(text, title_, MB_OK | MB_ICONSTOP);
  showingError_ = false;
}

void TApplication::SetMouseControl(TControl* control) {
  if (control == mouseControl_) return;
  TControl* previous = mouseControl_;
  mouseControl_ = control;
  if (previous) previous->Perform(CM_MOUSELEAVE, 0, 0);
  if (control && mouseControl_ == control) control->Perform(CM_MOUSEENTER, 0, 0);
}

void TApplication::MouseLeft(TWinControl* window) {
  if (!mouseControl_) return;
  const bool graphicChild = mouseControl_->Parent() == window && !dynamic_cast<TWinControl*>(mouseControl_);
  if (mouseControl_ == window || graphicChild) SetMouseControl(nullptr);
}

void TApplication::ControlDestroyed(TControl* control) {
  if (mouseControl_ == control) mouseControl_ = nullptr;
}

void TApplication::FormDestroyed(TForm* form) {
  if (mainForm_ == form) mainForm_ = nullptr;
}

void TApplication::DestroyComponents() {
  while (!Components().empty()) delete Components().back();
}

}  // namespace korvale
