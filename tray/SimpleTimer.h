#pragma once

// TSimpleTimer: a window-message timer that needs no window of its owner. All timers share
// one hidden TSimpleTimerHandler window, made with the first timer and freed with the last;
// each timer's own address is its timer id on that window.
#include <windows.h>

#include "toolkit/Event.h"
#include "toolkit/Object.h"

namespace korvale {

class TSimpleTimer : public TObject {
 public:
  static constexpr unsigned DefaultInterval = 1000;

  TSimpleTimer();
  explicit TSimpleTimer(TNotifyEvent onTimer);
  TSimpleTimer(unsigned interval, TNotifyEvent onTimer);
  ~TSimpleTimer() override;
  TSimpleTimer(const TSimpleTimer&) = delete;
  TSimpleTimer& operator=(const TSimpleTimer&) = delete;
  std::string ClassName() const override { return "TSimpleTimer"; }

  // False when Interval is 0 or no platform timer can be had; then the timer stays disabled.
  bool Start();
  void Stop();

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned interval);
  const TNotifyEvent& OnTimer() const { return onTimer_; }
  void SetOnTimer(TNotifyEvent onTimer);
  // When set, each expiry stops the timer before OnTimer runs.
  bool AutoDisable() const { return autoDisable_; }
  void SetAutoDisable(bool autoDisable) { autoDisable_ = autoDisable; }

  UINT_PTR TimerId() const { return reinterpret_cast<UINT_PTR>(this); }
  // Called by the shared window when this timer's id expires.
  void Expired();

 private:
  bool enabled_ = false;
  unsigned interval_ = DefaultInterval;
  bool autoDisable_ = false;
  TNotifyEvent onTimer_;
};

// The shared window of every TSimpleTimer, with its reference count.
class TSimpleTimerHandler {
 public:
  // The window, made on the first call.
  static HWND AddRef(TSimpleTimer* timer);
  static void Release(TSimpleTimer* timer);
  // The shared window while any timer exists, else null.
  static HWND Handle();
  static int RefCount();
};

}  // namespace korvale
