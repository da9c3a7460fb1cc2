#include "core/MenuLayout.h"

#include <algorithm>

namespace korvale {

MenuItemLayout LayOutMenuItem(PixelRect item, int boxSize, int leftWidth, bool separator,
                              bool rightToLeft) {
  MenuItemLayout layout;
  if (!rightToLeft) {
    const int boxLeft = item.left + 1 + leftWidth;
    if (!separator) layout.box = {boxLeft, item.top + 1, boxLeft + boxSize, item.top + 1 + boxSize};
    layout.caption = {boxLeft + boxSize + 3, item.top, item.right - 1, item.bottom};
    layout.shortcut = {layout.caption.left, item.top, item.right - 11, item.bottom};
  } else {
    const int boxRight = item.right - 1 - leftWidth;
    if (!separator) layout.box = {boxRight - boxSize, item.top + 1, boxRight, item.top + 1 + boxSize};
    layout.caption = {item.left + 1, item.top, boxRight - boxSize - 3, item.bottom};
    layout.shortcut = {item.left + 10, item.top, layout.caption.right, item.bottom};
  }
  return layout;
}

std::vector<BlitPiece> SeparatorPieces(int width, int height, PixelRect frame, int leftCap,
                                       int rightCap) {
  if (width <= 0 || height <= 0 || !frame.HasArea()) return {};
  const int rows = std::min(height, frame.Height());
  const int top = frame.bottom - rows;
  leftCap = std::clamp(leftCap, 0, std::min(width, frame.Width()));
  rightCap = std::clamp(rightCap, 0, std::min(width - leftCap, frame.Width() - leftCap));
  std::vector<BlitPiece> pieces;
  const auto add = [&](PixelRect dest, PixelRect source) {
    if (dest.HasArea() && source.HasArea()) pieces.push_back({dest, source});
  };
  add({0, 0, leftCap, rows}, {frame.left, top, frame.left + leftCap, frame.bottom});
  add({leftCap, 0, width - rightCap, rows},
      {frame.left + leftCap, top, frame.right - rightCap, frame.bottom});
  add({width - rightCap, 0, width, rows}, {frame.right - rightCap, top, frame.right, frame.bottom});
  return pieces;
}

int NeighbourButton(int count, int index, int step) {
  if (count <= 0) return -1;
  return ((index + step) % count + count) % count;
}

}  // namespace korvale
