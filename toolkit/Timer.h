#pragma once

// TTimer: OnTimer every Interval milliseconds while Enabled, on a window-message timer of
// a hidden window of its own. Changing the interval of a running timer restarts its
// countdown.
#include <windows.h>

#include "toolkit/Component.h"
#include "toolkit/Event.h"

namespace korvale {

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  std::string ClassName() const override { return "TTimer"; }

  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned interval);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Runs only while set: a timer without a handler holds no system timer.
  void SetOnTimer(TNotifyEvent handler);
  const TNotifyEvent& OnTimer() const { return onTimer_; }
  HWND Handle() const { return window_; }
  bool Running() const { return running_; }

 private:
  static LRESULT CALLBACK TimerWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void UpdateTimer();

  HWND window_ = nullptr;
  unsigned interval_ = 1000;
  bool enabled_ = true;
  bool running_ = false;
  TNotifyEvent onTimer_;
};

}  // namespace korvale
