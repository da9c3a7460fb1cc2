#include "core/FieldGeometry.h"

#include <gtest/gtest.h>

namespace korvale {
namespace {

TEST(FieldGeometry, UpDownHalvesSplitAtHalfTheSize) {
  const UpDownHalves vertical = SplitUpDown(15, 21, false);
  EXPECT_EQ(vertical.first, (PixelRect{0, 0, 15, 10}));
  EXPECT_EQ(vertical.second, (PixelRect{0, 10, 15, 21}));
  const UpDownHalves horizontal = SplitUpDown(31, 12, true);
  EXPECT_EQ(horizontal.first, (PixelRect{0, 0, 15, 12}));
  EXPECT_EQ(horizontal.second, (PixelRect{15, 0, 31, 12}));
}

TEST(FieldGeometry, UpDownFrameFollowsThePointerAndTheHalf) {
  const struct {
    bool enabled, inside, pressed, hot, second;
    int frame;
  } cases[] = {
      {true, false, true, true, false, 1},  {true, true, false, false, false, 1},
      {true, true, true, true, false, 2},   {true, true, false, true, false, 4},
      {true, true, true, false, true, 6},   {true, true, false, true, true, 8},
      {false, true, true, true, false, 3},  {false, false, false, false, true, 7},
  };
  for (const auto& c : cases)
    EXPECT_EQ(UpDownFrame(UpDownHalfState(c.enabled, c.inside, c.pressed, c.hot), c.second), c.frame)
        << c.enabled << c.inside << c.pressed << c.hot << c.second;
}

// Each point of a tab, mapped into the buffer and turned back the way the painter turns it,
// lands where the tab is.
TEST(FieldGeometry, TabsInTheBufferTurnBackIntoTheirPlace) {
  const PixelRect window{0, 0, 200, 120};
  const PixelRect display{30, 24, 170, 100};
  const PixelRect tab{5, 40, 28, 70};  // a side tab; the top and bottom cases move it
  for (const TabSide side : {TabSide::Top, TabSide::Bottom, TabSide::Left, TabSide::Right}) {
    const PixelRect strip = TabStrip(window, display, side);
    const PixelRect buffer = TabBufferSize(strip, side);
    PixelRect placed = tab;
    if (side == TabSide::Top) placed = {40, 2, 70, 22};
    if (side == TabSide::Bottom) placed = {40, 102, 70, 118};
    if (side == TabSide::Right) placed = {172, 40, 195, 70};
    const PixelRect in = TabInBuffer(placed, strip, side);
    ASSERT_TRUE(in.HasArea());
    ASSERT_TRUE(in.left >= 0 && in.top >= 0 && in.right <= buffer.right && in.bottom <= buffer.bottom)
        << static_cast<int>(side);
    // The buffer's corner (left, top) of the tab, turned back into strip coordinates.
    const int x = in.left, y = in.top;
    int sx = x, sy = y;
    if (side == TabSide::Top) sy = y - 1;
    if (side == TabSide::Left) sx = y, sy = buffer.right - 1 - x;
    if (side == TabSide::Right) sx = buffer.bottom - 1 - y, sy = x;
    const PixelRect local = placed.Moved(-strip.left, -strip.top);
    EXPECT_TRUE(sx == local.left || sx == local.right - 1) << static_cast<int>(side);
    EXPECT_TRUE(sy == local.top || sy == local.bottom - 1) << static_cast<int>(side);
    EXPECT_EQ(in.Width() * in.Height(), placed.Width() * placed.Height());
  }
}

TEST(FieldGeometry, TheTabStripIsTheBandOnTheTabsSide) {
  const PixelRect window{0, 0, 200, 120}, display{30, 24, 170, 100};
  EXPECT_EQ(TabStrip(window, display, TabSide::Top), (PixelRect{0, 0, 200, 24}));
  EXPECT_EQ(TabStrip(window, display, TabSide::Bottom), (PixelRect{0, 100, 200, 120}));
  EXPECT_EQ(TabStrip(window, display, TabSide::Left), (PixelRect{0, 0, 30, 120}));
  EXPECT_EQ(TabStrip(window, display, TabSide::Right), (PixelRect{170, 0, 200, 120}));
}

TEST(FieldGeometry, ProgressFillsInProportionWithinTheBar) {
  const struct {
    int position, maximum, right;
  } cases[] = {{0, 100, 10}, {50, 100, 60}, {100, 100, 110}, {150, 100, 110}, {5, 0, 10}, {-3, 100, 10}};
  for (const auto& c : cases) EXPECT_EQ(ProgressFillRight(10, 100, c.position, c.maximum), c.right);
}

TEST(FieldGeometry, TabSetTabsSitSideBySideWhileTheyFit) {
  const std::vector<int> widths{20, 30, 10, 40};
  // Margin 5: tabs 29, 39, 19 and 49 wide end at 34, 73, 92 and 141.
  const struct {
    int first, limit;
    bool scroll;
    std::vector<int> rights;
  } cases[] = {{0, 141, false, {34, 73, 92, 141}},
               {0, 140, false, {34, 73, 92}},
               {0, 141, true, {34, 73, 92}},
               {0, 103, true, {34, 73}},
               {0, 104, true, {34, 73, 92}},
               {2, 200, false, {24, 73}},
               {0, 33, false, {}}};
  for (const auto& c : cases) {
    std::vector<int> rights;
    for (const TabSetTab& t : PlaceTabSetTabs(widths, c.first, 5, c.limit, c.scroll)) rights.push_back(t.right);
    EXPECT_EQ(rights, c.rights) << c.first << " " << c.limit << " " << c.scroll;
  }
  const std::vector<TabSetTab> fromThird = PlaceTabSetTabs(widths, 2, 5, 200, false);
  EXPECT_EQ(fromThird.front().index, 2);
  EXPECT_EQ(fromThird.front().left, 5);
}

}  // namespace
}  // namespace korvale
