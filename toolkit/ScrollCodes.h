#pragma once

// Where a scroll notification's code moves a position, shared by the toolkit's scrolling
// controls: a line or a page back or forth, or to the thumb.
#include <windows.h>

#include <optional>

namespace korvale {

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
