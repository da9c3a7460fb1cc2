#pragma once

// Calls a function every few milliseconds on this thread, inside whatever message loop runs
// then: a menu's, a dialog's, a window move's. It is the timer of a message-only window of
// its own, and those loops dispatch timers.
#include <windows.h>

#include <functional>

namespace korvale::testing {

class LoopTicker {
 public:
  explicit LoopTicker(std::function<void()> tick, UINT intervalMs = 10);
  ~LoopTicker();
  LoopTicker(const LoopTicker&) = delete;
  LoopTicker& operator=(const LoopTicker&) = delete;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  std::function<void()> tick_;
  HWND window_ = nullptr;
  bool ticking_ = false;
};

}  // namespace korvale::testing
