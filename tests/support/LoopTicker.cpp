#include "tests/support/LoopTicker.h"

namespace korvale::testing {

namespace {

constexpr char kClassName[] = "KorvaleLoopTicker";
constexpr UINT_PTR kTimerId = 1;

}  // namespace

LoopTicker::LoopTicker(std::function<void()> tick, UINT intervalMs) : tick_(std::move(tick)) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &LoopTicker::WindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);  // fails harmlessly once the class exists
  window_ = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            wc.hInstance, nullptr);
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetTimer(window_, kTimerId, intervalMs, nullptr);
}

LoopTicker::~LoopTicker() {
  KillTimer(window_, kTimerId);
  SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

LRESULT CALLBACK LoopTicker::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<LoopTicker*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  // A tick that pumps messages itself must not run a second tick inside the first.
  if (msg == WM_TIMER && self && !self->ticking_) {
    self->ticking_ = true;
    self->tick_();
    self->ticking_ = false;
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace korvale::testing
