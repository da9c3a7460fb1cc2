#pragma once

// Geometry of the field and tab skinners: the two halves of an up-down button and the frame
// each half shows, and the placement of tab rectangles in a strip that is always drawn as if
// the tabs were on top and then turned to their side.
#include <vector>

#include "core/FrameGeometry.h"

namespace korvale {

// Which side the tabs of a tab control sit on.
enum class TabSide { Top = 0, Bottom = 1, Left = 2, Right = 3 };

// The two halves of an up-down button of width x height, split at half the size: top and
// bottom, or left and right when `horizontal`.
struct UpDownHalves {
  PixelRect first;   // up or left
  PixelRect second;  // down or right
};
UpDownHalves SplitUpDown(int width, int height, bool horizontal);

// The state a half shows (1 normal, 2 pressed, 3 disabled, 4 hot): disabled wins; a half the
// pointer is not over is normal.
int UpDownHalfState(bool enabled, bool pointerInside, bool pressed, bool hot);
// The frame (1 to 8) of the up-down strip: 1 to 4 for the first half, 5 to 8 for the second.
int UpDownFrame(int state, bool secondHalf);

// The band between the window edge and the display area on the tabs' side.
PixelRect TabStrip(const PixelRect& window, const PixelRect& display, TabSide side);
// The buffer the strip is drawn in, at (0,0): width and height exchanged for side tabs.
PixelRect TabBufferSize(const PixelRect& strip, TabSide side);
// A tab's rectangle (window coordinates) in the buffer, so that turning the buffer back
// (left: a quarter turn counter-clockwise, right: clockwise, bottom: as drawn) puts it in its
// place; top tabs move down by 1.
PixelRect TabInBuffer(const PixelRect& tab, const PixelRect& strip, TabSide side);

// A tab of an old-style tab set: its index and its horizontal extent.
struct TabSetTab {
  int index;
  int left;
  int right;
};
// The tabs an old-style tab set shows from `first`: each its text width + 9 wide, side by side
// from x = startMargin, while it ends by `limit` (12 pixels earlier when the scroll buttons
// show); the first tab that does not fit ends the row.
std::vector<TabSetTab> PlaceTabSetTabs(const std::vector<int>& textWidths, int first, int startMargin, int limit,
                                       bool scrollButtons);

// The right edge of the filled part of a progress bar: nothing filled unless both the
// position and the maximum are positive; never past the bar.
int ProgressFillRight(int left, int width, int position, int maximum);

}  // namespace korvale
