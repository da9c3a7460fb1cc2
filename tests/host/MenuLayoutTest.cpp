#include "core/MenuLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvale {
namespace {

TEST(MenuLayout, ItemPartsLeftToRightAndMirrored) {
  struct Case {
    int box, leftWidth;
    bool separator, rightToLeft;
    MenuItemLayout expected;
  };
  const PixelRect item{0, 20, 120, 40};
  const std::vector<Case> cases = {
      {16, 0, false, false, {{1, 21, 17, 37}, {20, 20, 119, 40}, {20, 20, 109, 40}}},
      {16, 6, false, false, {{7, 21, 23, 37}, {26, 20, 119, 40}, {26, 20, 109, 40}}},
      {16, 6, true, false, {{}, {26, 20, 119, 40}, {26, 20, 109, 40}}},
      {16, 6, false, true, {{97, 21, 113, 37}, {1, 20, 94, 40}, {10, 20, 94, 40}}},
  };
  for (const Case& c : cases) {
    const MenuItemLayout got = LayOutMenuItem(item, c.box, c.leftWidth, c.separator, c.rightToLeft);
    EXPECT_EQ(got.box, c.expected.box) << c.leftWidth << " " << c.rightToLeft;
    EXPECT_EQ(got.caption, c.expected.caption) << c.leftWidth << " " << c.rightToLeft;
    EXPECT_EQ(got.shortcut, c.expected.shortcut) << c.leftWidth << " " << c.rightToLeft;
  }
}

TEST(MenuLayout, SeparatorTakesTheBottomRowsOfItsFrame) {
  struct Case {
    int width, height;
    PixelRect frame;
    int left, right;
    std::vector<BlitPiece> expected;
  };
  const std::vector<Case> cases = {
      // a taller frame: its bottom 8 rows, caps kept, middle stretched
      {100, 8, {40, 0, 80, 20}, 5, 6,
       {{{0, 0, 5, 8}, {40, 12, 45, 20}}, {{5, 0, 94, 8}, {45, 12, 74, 20}}, {{94, 0, 100, 8}, {74, 12, 80, 20}}}},
      // a shorter frame: all of its rows
      {50, 30, {0, 0, 10, 4}, 2, 2,
       {{{0, 0, 2, 4}, {0, 0, 2, 4}}, {{2, 0, 48, 4}, {2, 0, 8, 4}}, {{48, 0, 50, 4}, {8, 0, 10, 4}}}},
      // caps wider than the item are narrowed; no middle remains
      {6, 8, {0, 0, 20, 8}, 5, 5, {{{0, 0, 5, 8}, {0, 0, 5, 8}}, {{5, 0, 6, 8}, {19, 0, 20, 8}}}},
      {0, 8, {0, 0, 20, 8}, 5, 5, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SeparatorPieces(c.width, c.height, c.frame, c.left, c.right), c.expected) << c.width;
}

TEST(MenuLayout, ArrowKeysWrapAroundTheBar) {
  struct Case {
    int count, index, step, expected;
  };
  for (const Case& c : std::vector<Case>{{4, 0, 1, 1}, {4, 3, 1, 0}, {4, 0, -1, 3}, {4, 2, -1, 1}, {1, 0, 1, 0},
                                         {0, 0, 1, -1}})
    EXPECT_EQ(NeighbourButton(c.count, c.index, c.step), c.expected) << c.count << " " << c.index << " " << c.step;
}

}  // namespace
}  // namespace korvale
