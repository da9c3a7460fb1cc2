#pragma once

// Geometry of skinned scroll bars: where the bars of a window lie, how long the arrow
// buttons, the track and the thumb are, which part a point along a bar hits, and which
// scroll position a dragged thumb stands for. The Win32 skinners ask these and blit.
#include <cstdint>
#include <optional>

#include "core/FrameGeometry.h"

namespace korvale {

// a * b / c rounded half away from zero in 64 bits; -1 when c is 0 or the result does not
// fit, as the system's MulDiv answers.
int MulDivRound(int a, int b, int c);

// The values of a window scroll bar (SCROLLINFO without its mask).
struct ScrollValues {
  int nMin = 0;
  int nMax = 0;
  int nPage = 0;
  int nPos = 0;
  int nTrackPos = 0;
  bool operator==(const ScrollValues&) const = default;
};

// One bar's measures: arrow-button size, track length, thumb size, thumb position from the
// start of the track, and the style bit that shows the bar.
struct ScrollBarMetrics {
  int buttonSize = 0;
  int trackLength = 0;
  int thumbSize = 0;
  int thumbPosition = 0;
  std::uint32_t styleBit = 0;
  bool operator==(const ScrollBarMetrics&) const = default;
};

// Where the bars go in a window of width x height (window coordinates at 0,0).
struct ScrollBarWindow {
  int width = 0;
  int height = 0;
  int clientWidth = 0;
  int clientHeight = 0;
  int barSize = 0;  // the system's scroll-bar thickness
  int edge = 0;     // the system's edge width, the border when neither bar decides it
  bool horizontal = false;
  bool vertical = false;
  bool leftScrollBar = false;
};

struct ScrollBarRects {
  PixelRect horz;
  PixelRect vert;
  PixelRect corner;
};

// Lays the bars out; a bar the window does not show keeps its rectangle, and the corner is
// set only when both bars show.
void LayoutScrollBars(const ScrollBarWindow& window, ScrollBarRects& rects);

// Thumb of a window bar of `barLength` pixels: nothing when the range is empty or negative
// (the previous metrics stay). `minThumb` is the smallest thumb, `defaultThumb` the size
// without a page.
struct ThumbMetrics {
  int trackLength = 0;
  int thumbSize = 0;
  int thumbPosition = 0;
  bool operator==(const ThumbMetrics&) const = default;
};
std::optional<ThumbMetrics> WindowBarThumb(const ScrollValues& values, int barLength, int buttonSize,
                                           int minThumb, int defaultThumb);
// Thumb of a scroll-bar control, whose page covers Max - Min + 1 positions.
std::optional<ThumbMetrics> ControlBarThumb(int min, int max, int pageSize, int position, int barLength,
                                             int buttonSize, int minThumb, int defaultThumb);

// The pieces of a bar drawn along its length (0..barLength): the two arrow buttons (half the
// bar each when the bar is shorter than two buttons), the track between full-size buttons,
// and the thumb when it fits in the track.
struct BarPieces {
  int firstButtonEnd = 0;
  int secondButtonStart = 0;
  int trackStart = 0;
  int trackEnd = 0;
  std::optional<std::pair<int, int>> thumb;  // start and end along the bar
};
BarPieces LayoutBarPieces(int barLength, int buttonSize, const ThumbMetrics& thumb);

// The part of a bar at `position` along it (from the control's client origin): the SB_ code
// (0 line up, 1 line down, 2 page up, 3 page down, 5 thumb) or -1 past the bar.
int ScrollHitTest(int position, const ScrollBarMetrics& metrics);

// The thumb dragged `moved` pixels from where it started (`startThumb`): where it stands now
// and the scroll position it stands for.
struct DragResult {
  int thumbPosition = 0;
  int position = 0;
  bool operator==(const DragResult&) const = default;
};
DragResult DragThumb(const ScrollValues& values, const ScrollBarMetrics& metrics, int startThumb, int moved);

}  // namespace korvale
