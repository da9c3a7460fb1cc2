#include "tray/SimpleTimer.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "toolkit/UtilWindow.h"

namespace korvale {

namespace {

class TimerWindow {
 public:
  TimerWindow() : window_(TUtilMessageHandler(this, &TimerWindow::Handle)) {}
  HWND Window() const { return window_.Handle(); }
  std::vector<TSimpleTimer*> timers;

 private:
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER) {
      // A WM_TIMER already queued when its timer went carries a dead id: only live timers
      // are dispatched.
      auto it = std::find_if(timers.begin(), timers.end(),
                             [wParam](TSimpleTimer* t) { return t->TimerId() == wParam; });
      if (it != timers.end()) (*it)->Expired();
      return 0;
    }
    return DefWindowProcA(window_.Handle(), msg, wParam, lParam);
  }

  UtilWindow window_;
};

std::unique_ptr<TimerWindow>& Shared() {
  static std::unique_ptr<TimerWindow> shared;
  return shared;
}

}  // namespace

HWND TSimpleTimerHandler::AddRef(TSimpleTimer* timer) {
  auto& shared = Shared();
  if (!shared) shared = std::make_unique<TimerWindow>();
  shared->timers.push_back(timer);
  return shared->Window();
}

void TSimpleTimerHandler::Release(TSimpleTimer* timer) {
  auto& shared = Shared();
  if (!shared) return;
  auto& timers = shared->timers;
  timers.erase(std::remove(timers.begin(), timers.end(), timer), timers.end());
  if (timers.empty()) shared.reset();
}

HWND TSimpleTimerHandler::Handle() { return Shared() ? Shared()->Window() : nullptr; }

int TSimpleTimerHandler::RefCount() {
  return Shared() ? static_cast<int>(Shared()->timers.size()) : 0;
}

TSimpleTimer::TSimpleTimer() : TSimpleTimer(DefaultInterval, TNotifyEvent()) {}

TSimpleTimer::TSimpleTimer(TNotifyEvent onTimer) : TSimpleTimer(DefaultInterval, onTimer) {}

TSimpleTimer::TSimpleTimer(unsigned interval, TNotifyEvent onTimer)
    : interval_(interval), onTimer_(onTimer) {
  TSimpleTimerHandler::AddRef(this);
}

TSimpleTimer::~TSimpleTimer() {
  Stop();
  TSimpleTimerHandler::Release(this);
}

bool TSimpleTimer::Start() {
  if (interval_ == 0) return false;
  if (enabled_) Stop();
  enabled_ = SetTimer(TSimpleTimerHandler::Handle(), TimerId(), interval_, nullptr) != 0;
  return enabled_;
}

void TSimpleTimer::Stop() {
  enabled_ = false;
  KillTimer(TSimpleTimerHandler::Handle(), TimerId());
}

void TSimpleTimer::SetEnabled(bool enabled) {
  if (enabled) (void)Start();
  else Stop();
}

void TSimpleTimer::SetInterval(unsigned interval) {
  if (interval == interval_) return;
  interval_ = interval;
  if (!enabled_) return;
  // An interval of 0 halts the platform timer but keeps the timer enabled, as assigned.
  if (interval_ != 0) (void)Start();
  else KillTimer(TSimpleTimerHandler::Handle(), TimerId());
}

void TSimpleTimer::SetOnTimer(TNotifyEvent onTimer) {
  onTimer_ = onTimer;
  if (!onTimer_ && enabled_) KillTimer(TSimpleTimerHandler::Handle(), TimerId());
}

void TSimpleTimer::Expired() {
  if (autoDisable_) Stop();
  if (onTimer_) onTimer_(this);
}

}  // namespace korvale
