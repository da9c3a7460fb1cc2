#pragma once

// Scroll notifications as the toolkit's scrolling controls read them: which of a window's own
// bars a notice is for, and where its code moves a position (a line or a page back or forth,
// or to the thumb).
#include <windows.h>

#include <optional>

namespace korvale {

// The bar of a window's own WM_HSCROLL or WM_VSCROLL; nothing for other messages, and for a
// scroll-bar control's notice (LParam its window), which is reflected to the control as usual.
inline std::optional<int> OwnScrollBar(UINT msg, LPARAM control) {
  if ((msg != WM_HSCROLL && msg != WM_VSCROLL) || control) return std::nullopt;
  return msg == WM_HSCROLL ? SB_HORZ : SB_VERT;
}

// No position for the codes that do not move by a step (SB_ENDSCROLL, SB_TOP, SB_BOTTOM).
inline std::optional<int> SteppedPosition(int code, int position, int line, int page, int thumb) {
  switch (code) {
    case SB_LINEUP: return position - line;
    case SB_LINEDOWN: return position + line;
    case SB_PAGEUP: return position - page;
    case SB_PAGEDOWN: return position + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return thumb;
    default: return std::nullopt;
  }
}

}  // namespace korvale
