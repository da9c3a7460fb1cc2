#pragma once

// Scope guards for the DC state the painters change: stretch mode, text and background
// colours. Each puts back what it found.
#include <windows.h>

namespace korvale {

class StretchModeGuard {
 public:
  StretchModeGuard(HDC dc, int mode) : dc_(dc), old_(SetStretchBltMode(dc, mode)) {}
  ~StretchModeGuard() {
    if (old_) SetStretchBltMode(dc_, old_);
  }
  StretchModeGuard(const StretchModeGuard&) = delete;
  StretchModeGuard& operator=(const StretchModeGuard&) = delete;

 private:
  HDC dc_;
  int old_;
};

class TextColoursGuard {
 public:
  TextColoursGuard(HDC dc, COLORREF text, COLORREF background)
      : dc_(dc), text_(SetTextColor(dc, text)), background_(SetBkColor(dc, background)) {}
  ~TextColoursGuard() {
    SetTextColor(dc_, text_);
    SetBkColor(dc_, background_);
  }
  TextColoursGuard(const TextColoursGuard&) = delete;
  TextColoursGuard& operator=(const TextColoursGuard&) = delete;

 private:
  HDC dc_;
  COLORREF text_;
  COLORREF background_;
};

class BackgroundColourGuard {
 public:
  BackgroundColourGuard(HDC dc, COLORREF colour) : dc_(dc), old_(SetBkColor(dc, colour)) {}
  ~BackgroundColourGuard() { SetBkColor(dc_, old_); }
  BackgroundColourGuard(const BackgroundColourGuard&) = delete;
  BackgroundColourGuard& operator=(const BackgroundColourGuard&) = delete;

 private:
  HDC dc_;
  COLORREF old_;
};

}  // namespace korvale
