#include "core/ScrollBarGeometry.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace korvale {

int MulDivRound(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const std::int64_t divisor = c;
  const bool negative = (product < 0) != (divisor < 0);
  const std::int64_t magnitude = (std::llabs(product) + std::llabs(divisor) / 2) / std::llabs(divisor);
  const std::int64_t result = negative ? -magnitude : magnitude;
  if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min()) return -1;
  return static_cast<int>(result);
}

void LayoutScrollBars(const ScrollBarWindow& w, ScrollBarRects& rects) {
  const int b = w.barSize, W = w.width, H = w.height;
  int e = w.edge;
  if (w.vertical) e = (W - w.clientWidth - b) / 2;
  else if (w.horizontal) e = (H - w.clientHeight - b) / 2;
  const bool both = w.horizontal && w.vertical;
  if (w.leftScrollBar) {
    if (w.horizontal) rects.horz = both ? PixelRect{b + e, H - e - b, W - e, H - e} : PixelRect{e, H - e - b, W - e, H - e};
    if (w.vertical) rects.vert = both ? PixelRect{e, e, e + b, H - e - b} : PixelRect{e, e, e + b, H - e};
  } else {
    if (w.horizontal) rects.horz = both ? PixelRect{e, H - e - b, W - e - b, H - e} : PixelRect{e, H - e - b, W - e, H - e};
    if (w.vertical) rects.vert = both ? PixelRect{W - e - b, e, W - e, H - e - b} : PixelRect{W - e - b, e, W - e, H - e};
  }
  if (both) rects.corner = {rects.vert.left, rects.horz.top, rects.vert.right, rects.horz.bottom};
}

std::optional<ThumbMetrics> WindowBarThumb(const ScrollValues& v, int barLength, int buttonSize, int minThumb,
                                           int defaultThumb) {
  const int L = barLength - 2 * buttonSize;
  const int R = v.nMax - v.nMin;
  if (R <= 0) return std::nullopt;
  int T = v.nPage != 0 ? std::max(MulDivRound(v.nPage, L, R), minThumb) : defaultThumb;
  T = std::min(T, L);
  int P = 0;
  if (v.nPage == R) --T;
  else P = std::min(MulDivRound(v.nPos - v.nMin, L - T, R - v.nPage), L - T);
  // A page larger than the range would put the thumb before the track.
  return ThumbMetrics{L, T, std::max(P, 0)};
}

std::optional<ThumbMetrics> ControlBarThumb(int min, int max, int pageSize, int position, int barLength,
                                            int buttonSize, int minThumb, int defaultThumb) {
  const int L = barLength - 2 * buttonSize;
  const int R = max - min;
  if (R < 0) return std::nullopt;
  int T = pageSize != 0 ? std::max(MulDivRound(pageSize, L, R + 1), minThumb) : defaultThumb;
  T = std::min(T, L);
  int P = 0;
  if (pageSize == R + 1) --T;
  else P = std::min(MulDivRound(position - min, L - T, R - pageSize + 1), L - T);
  return ThumbMetrics{L, T, std::max(P, 0)};
}

BarPieces LayoutBarPieces(int barLength, int buttonSize, const ThumbMetrics& thumb) {
  const int button = barLength < 2 * buttonSize ? barLength / 2 : buttonSize;
  BarPieces pieces{button, barLength - button, buttonSize, barLength - buttonSize, std::nullopt};
  if (thumb.thumbSize > 0 && thumb.thumbSize <= thumb.trackLength) {
    const int start = buttonSize + thumb.thumbPosition;
    pieces.thumb = std::pair{start, start + thumb.thumbSize};
  }
  return pieces;
}

int ScrollHitTest(int position, const ScrollBarMetrics& m) {
  const int b = m.buttonSize;
  if (position < b) return 0;
  if (position < b + m.thumbPosition) return 2;
  if (position < b + m.thumbPosition + m.thumbSize) return 5;
  if (position < b + m.trackLength) return 3;
  if (position < 2 * b + m.trackLength) return 1;
  return -1;
}

DragResult DragThumb(const ScrollValues& v, const ScrollBarMetrics& m, int startThumb, int moved) {
  const int L = m.trackLength, T = m.thumbSize, range = v.nMax - v.nMin;
  int Q = std::max(startThumb + moved, 0);
  int pos = 0;
  if (v.nPage == 0) {
    Q = std::min(Q, L - T);
    pos = std::min(MulDivRound(Q, range, L - T) + v.nMin, v.nMax);
  } else {
    Q = std::min(Q, L);
    pos = MulDivRound(Q, range, L) + v.nMin;
    if (pos >= v.nMax - v.nPage) pos = v.nMax - v.nPage + 1;
  }
  // A page-sized thumb is drawn inside the track even where the pointer runs past its end.
  return DragResult{std::clamp(Q, 0, std::max(L - T, 0)), std::max(pos, v.nMin)};
}

}  // namespace korvale
