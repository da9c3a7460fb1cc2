#include "toolkit/UtilWindow.h"

#include "toolkit/Exception.h"

namespace korvale {

namespace {

constexpr char kClassName[] = "TPUtilWindow";

void RegisterOnce(WNDPROC proc) {
  static const ATOM atom = [proc] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    return RegisterClassA(&wc);
  }();
  (void)atom;
}

}  // namespace

UtilWindow::UtilWindow(TUtilMessageHandler handler) : handler_(handler) {
  RegisterOnce(&UtilWindow::Proc);
  window_ = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleA(nullptr), this);
  if (!window_) throw Exception("Cannot create a message window");
}

UtilWindow::~UtilWindow() {
  // Stop dispatching first, so messages sent during destruction reach no half-gone object.
  SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

LRESULT CALLBACK UtilWindow::Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<UtilWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self || !self->handler_ || msg == WM_NCCREATE) {
    return DefWindowProcA(window, msg, wParam, lParam);
  }
  LRESULT result = 0;
  bool handled = false;
  GuardCallback([&] {
    result = self->handler_(msg, wParam, lParam);
    handled = true;
  });
  return handled ? result : 0;
}

}  // namespace korvale
