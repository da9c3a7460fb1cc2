#include "core/ScrollBarGeometry.h"

#include <gtest/gtest.h>

namespace korvale {
namespace {

TEST(ScrollBarGeometry, MulDivRoundsHalfAwayFromZeroAndRefusesZero) {
  EXPECT_EQ(MulDivRound(45, 100, 90), 50);
  EXPECT_EQ(MulDivRound(90, 99, 100), 89);
  EXPECT_EQ(MulDivRound(1, 1, 2), 1);
  EXPECT_EQ(MulDivRound(-1, 1, 2), -1);
  EXPECT_EQ(MulDivRound(7, 3, 0), -1);
}

// A 200 x 100 window with a 2-pixel edge and 17-pixel bars, every combination of bars.
TEST(ScrollBarGeometry, BarsLieAlongTheEdgesAndMirrorForLeftScrollBars) {
  const struct {
    bool horz, vert, left;
    PixelRect h, v, corner;
  } cases[] = {
      {true, true, false, {2, 81, 181, 98}, {181, 2, 198, 81}, {181, 81, 198, 98}},
      {false, true, false, {}, {181, 2, 198, 98}, {}},
      {true, false, false, {2, 81, 198, 98}, {}, {}},
      {true, true, true, {19, 81, 198, 98}, {2, 2, 19, 81}, {2, 81, 19, 98}},
      {false, true, true, {}, {2, 2, 19, 98}, {}},
      {true, false, true, {2, 81, 198, 98}, {}, {}},
  };
  for (const auto& c : cases) {
    const int clientWidth = 196 - (c.vert ? 17 : 0), clientHeight = 96 - (c.horz ? 17 : 0);
    ScrollBarRects rects;
    LayoutScrollBars({200, 100, clientWidth, clientHeight, 17, 2, c.horz, c.vert, c.left}, rects);
    EXPECT_EQ(rects.horz, c.h) << c.horz << c.vert << c.left;
    EXPECT_EQ(rects.vert, c.v) << c.horz << c.vert << c.left;
    EXPECT_EQ(rects.corner, c.corner) << c.horz << c.vert << c.left;
  }
}

TEST(ScrollBarGeometry, WindowBarThumbFollowsPageAndPosition) {
  const struct {
    ScrollValues values;
    int barLength;
    std::optional<ThumbMetrics> thumb;
  } cases[] = {
      {{0, 99, 10, 0, 0}, 134, ThumbMetrics{100, 10, 0}},
      {{0, 99, 10, 89, 0}, 134, ThumbMetrics{100, 10, 90}},
      {{0, 99, 10, 44, 0}, 134, ThumbMetrics{100, 10, 44}},
      {{0, 100, 0, 50, 0}, 134, ThumbMetrics{100, 17, 42}},   // no page: the system's thumb size
      {{0, 1000, 1, 0, 0}, 134, ThumbMetrics{100, 8, 0}},     // never below the smallest thumb
      {{0, 10, 10, 5, 0}, 134, ThumbMetrics{100, 99, 0}},     // page = range
      {{0, 5, 20, 0, 0}, 134, ThumbMetrics{100, 100, 0}},     // page past the range
      {{5, 5, 0, 5, 0}, 134, std::nullopt},                   // empty range: keep the old thumb
      {{0, 99, 10, 0, 0}, 30, ThumbMetrics{-4, -4, 0}},       // no room for a track
  };
  for (const auto& c : cases)
    EXPECT_EQ(WindowBarThumb(c.values, c.barLength, 17, 8, 17), c.thumb) << c.values.nMax << "/" << c.values.nPos;
}

TEST(ScrollBarGeometry, ControlThumbCountsThePageInclusive) {
  EXPECT_EQ(ControlBarThumb(0, 99, 10, 90, 134, 17, 8, 17), (ThumbMetrics{100, 10, 90}));
  EXPECT_EQ(ControlBarThumb(0, 9, 10, 3, 134, 17, 8, 17), (ThumbMetrics{100, 99, 0}));
  EXPECT_EQ(ControlBarThumb(0, 100, 0, 50, 134, 17, 8, 17), (ThumbMetrics{100, 17, 41}));
  EXPECT_EQ(ControlBarThumb(3, 2, 0, 0, 134, 17, 8, 17), std::nullopt);
}

TEST(ScrollBarGeometry, ShortBarsSplitTheButtonsAndDrawNoTrackOrThumb) {
  const BarPieces shortBar = LayoutBarPieces(30, 17, ThumbMetrics{-4, -4, 0});
  EXPECT_EQ(shortBar.firstButtonEnd, 15);
  EXPECT_EQ(shortBar.secondButtonStart, 15);
  EXPECT_GT(shortBar.trackStart, shortBar.trackEnd);
  EXPECT_FALSE(shortBar.thumb);
  const BarPieces bar = LayoutBarPieces(134, 17, ThumbMetrics{100, 10, 45});
  EXPECT_EQ(bar.firstButtonEnd, 17);
  EXPECT_EQ(bar.secondButtonStart, 117);
  EXPECT_EQ(bar.thumb, (std::pair{62, 72}));
}

TEST(ScrollBarGeometry, HitTestWalksButtonPageThumbPageButton) {
  const ScrollBarMetrics m{17, 100, 10, 45, 0};
  const struct {
    int position, part;
  } cases[] = {{0, 0}, {16, 0}, {17, 2}, {61, 2}, {62, 5}, {71, 5}, {72, 3}, {116, 3}, {117, 1}, {133, 1}, {134, -1}};
  for (const auto& c : cases) EXPECT_EQ(ScrollHitTest(c.position, m), c.part) << c.position;
}

TEST(ScrollBarGeometry, DraggingTheThumbMapsBackToPositions) {
  const struct {
    ScrollValues values;
    ScrollBarMetrics metrics;
    int start, moved;
    DragResult result;
  } cases[] = {
      {{0, 100, 0, 0, 0}, {17, 100, 10, 0, 0}, 0, 45, {45, 50}},      // MulDiv(45, 100, 90)
      {{0, 99, 10, 0, 0}, {17, 100, 10, 0, 0}, 0, 90, {90, 90}},      // 89 reaches nMax - nPage: 90
      {{0, 99, 10, 0, 0}, {17, 100, 10, 0, 0}, 0, 500, {90, 90}},     // past the end: last page
      {{0, 100, 0, 50, 0}, {17, 100, 10, 45, 0}, 45, -200, {0, 0}},  // before the start: nMin
      {{0, 100, 0, 50, 0}, {17, 100, 10, 45, 0}, 45, 0, {45, 50}},   // not moved: where it was
      {{10, 20, 0, 10, 0}, {17, 100, 100, 0, 0}, 0, 30, {0, 10}},    // no room to move
  };
  for (const auto& c : cases)
    EXPECT_EQ(DragThumb(c.values, c.metrics, c.start, c.moved), c.result) << c.start << "+" << c.moved;
}

// A thumb set from a position and dragged back to where it stands gives the same position.
TEST(ScrollBarGeometry, ThumbAndDragAgreeOnEveryPosition) {
  const ScrollValues values{0, 200, 0, 0, 0};
  for (int pos = 0; pos <= 200; ++pos) {
    ScrollValues at = values;
    at.nPos = pos;
    const ThumbMetrics thumb = *WindowBarThumb(at, 334, 17, 8, 17);
    const ScrollBarMetrics metrics{17, thumb.trackLength, thumb.thumbSize, 0, 0};
    EXPECT_EQ(DragThumb(at, metrics, 0, thumb.thumbPosition).position, pos);
  }
}

}  // namespace
}  // namespace korvale
