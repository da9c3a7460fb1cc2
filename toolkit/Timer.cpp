#include "toolkit/Timer.h"

#include "toolkit/Application.h"
#include "toolkit/Exception.h"

namespace korvale {

namespace {

// A class of its own: the message windows of sockets register theirs under another procedure.
constexpr char kTimerClass[] = "TTimerWindow";
constexpr UINT_PTR kTimerId = 1;

}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  if (!GetClassInfoA(instance, kTimerClass, &wc)) {
    wc = WNDCLASSA{};
    wc.lpfnWndProc = TimerWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = kTimerClass;
    RegisterClassA(&wc);
  }
  window_ = CreateWindowExA(WS_EX_TOOLWINDOW, kTimerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                            nullptr, instance, nullptr);
  if (!window_) throw Exception("Not enough timers available");
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TTimer::~TTimer() {
  MarkDestroying();
  if (running_) KillTimer(window_, kTimerId);
  SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

LRESULT CALLBACK TTimer::TimerWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER && wParam == kTimerId) {
    auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (timer && timer->onTimer_) {
      try {
        timer->onTimer_(timer);
      } catch (const std::exception& e) {
        Application().HandleException(timer, e);
      }
    }
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

void TTimer::UpdateTimer() {
  if (running_) {
    KillTimer(window_, kTimerId);
    running_ = false;
  }
  if (enabled_ && interval_ != 0 && onTimer_) {
    if (!SetTimer(window_, kTimerId, interval_, nullptr)) throw Exception("Not enough timers available");
    running_ = true;
  }
}

void TTimer::SetInterval(unsigned interval) {
  if (interval == interval_) return;
  interval_ = interval;
  UpdateTimer();
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  onTimer_ = handler;
  UpdateTimer();
}

}  // namespace korvale
