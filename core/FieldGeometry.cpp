#include "core/FieldGeometry.h"

#include <algorithm>

namespace korvale {

UpDownHalves SplitUpDown(int width, int height, bool horizontal) {
  if (horizontal) return {{0, 0, width / 2, height}, {width / 2, 0, width, height}};
  return {{0, 0, width, height / 2}, {0, height / 2, width, height}};
}

int UpDownHalfState(bool enabled, bool pointerInside, bool pressed, bool hot) {
  if (!enabled) return 3;
  if (!pointerInside) return 1;
  if (pressed) return 2;
  return hot ? 4 : 1;
}

int UpDownFrame(int state, bool secondHalf) { return state + (secondHalf ? 4 : 0); }

PixelRect TabStrip(const PixelRect& window, const PixelRect& display, TabSide side) {
  switch (side) {
    case TabSide::Bottom:
      return {window.left, display.bottom, window.right, window.bottom};
    case TabSide::Left:
      return {window.left, window.top, display.left, window.bottom};
    case TabSide::Right:
      return {display.right, window.top, window.right, window.bottom};
    case TabSide::Top:
      break;
  }
  return {window.left, window.top, window.right, display.top};
}

PixelRect TabBufferSize(const PixelRect& strip, TabSide side) {
  const bool turned = side == TabSide::Left || side == TabSide::Right;
  return {0, 0, turned ? strip.Height() : strip.Width(), turned ? strip.Width() : strip.Height()};
}

PixelRect TabInBuffer(const PixelRect& tab, const PixelRect& strip, TabSide side) {
  const PixelRect local = tab.Moved(-strip.left, -strip.top);
  const int w = strip.Width(), h = strip.Height();
  switch (side) {
    case TabSide::Bottom:
      return local;
    case TabSide::Left:
      // A counter-clockwise turn takes buffer (x, y) to strip (y, h - 1 - x).
      return {h - local.bottom, local.left, h - local.top, local.right};
    case TabSide::Right:
      // A clockwise turn takes buffer (x, y) to strip (w - 1 - y, x).
      return {local.top, w - local.right, local.bottom, w - local.left};
    case TabSide::Top:
      break;
  }
  return local.Moved(0, 1);
}

int ProgressFillRight(int left, int width, int position, int maximum) {
  if (maximum <= 0 || position <= 0) return left;
  const long long filled = static_cast<long long>(std::min(position, maximum)) * width / maximum;
  return left + static_cast<int>(filled);
}

std::vector<TabSetTab> PlaceTabSetTabs(const std::vector<int>& textWidths, int first, int startMargin, int limit,
                                       bool scrollButtons) {
  constexpr int kTabPadding = 9;
  constexpr int kScrollButtonsReserve = 12;
  std::vector<TabSetTab> tabs;
  const int end = scrollButtons ? limit - kScrollButtonsReserve : limit;
  int x = startMargin;
  for (int i = std::max(first, 0); i < static_cast<int>(textWidths.size()); ++i) {
    const int width = textWidths[static_cast<size_t>(i)] + kTabPadding;
    if (x + width > end) break;
    tabs.push_back({i, x, x + width});
    x += width;
  }
  return tabs;
}

}  // namespace korvale
