#pragma once

#include <windows.h>

#include "toolkit/Event.h"

namespace korvale {

using TUtilMessageHandler = TMethod<LRESULT, UINT, WPARAM, LPARAM>;

// A hidden message-only window whose messages all go to one handler: the target of socket
// notifications and of timers that belong to no control. Message-only windows are not
// top-level, so process lists built from top-level windows do not see them.
class UtilWindow {
 public:
  explicit UtilWindow(TUtilMessageHandler handler);
  ~UtilWindow();
  UtilWindow(const UtilWindow&) = delete;
  UtilWindow& operator=(const UtilWindow&) = delete;

  HWND Handle() const { return window_; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  TUtilMessageHandler handler_;
  HWND window_ = nullptr;
};

}  // namespace korvale
