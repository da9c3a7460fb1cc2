#include "core/SkinFrameLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvale {
namespace {

TEST(SkinFrameLayout, BandsBelowTheGripRows) {
  struct Case {
    int y;
    FrameBand band;
  };
  // Title 22 rows high: rows 0..3 nothing, 4..22 caption, below it the menu band.
  const std::vector<Case> cases = {{0, FrameBand::Nothing},  {3, FrameBand::Nothing},
                                   {4, FrameBand::Caption},  {22, FrameBand::Caption},
                                   {23, FrameBand::Menu},    {40, FrameBand::Menu}};
  for (const Case& c : cases) EXPECT_EQ(FrameBandAt(c.y, 22), c.band) << "row " << c.y;
}

TEST(SkinFrameLayout, TitleTextPlacement) {
  const PixelRect title{4, 0, 204, 30};  // L = 4, W - R = 204, T = 30
  struct Case {
    const char* what;
    TitleTextStyle style;
    bool rightToLeft, popup;
    int maxButtonLeft;
    PixelRect expected;
  };
  const std::vector<Case> cases = {
      {"left, shifted", {0, 7, 0, 0, 0, 0}, false, false, 0, {11, 7, 61, 23}},
      {"caps widen the text", {0, 7, 0, 0, 3, 5}, false, false, 0, {11, 7, 69, 23}},
      {"centred", {1, 7, 0, 0, 0, 0}, false, false, 0, {79, 7, 129, 23}},
      {"right with clip", {2, 0, 0, 20, 0, 0}, false, false, 0, {134, 7, 184, 23}},
      {"right to left takes the right", {0, 7, 0, 20, 0, 0}, true, false, 0, {134, 7, 184, 23}},
      {"vertical shift halved", {0, 0, 5, 0, 0, 0}, false, false, 0, {4, 9, 54, 25}},
      {"negative vertical shift truncates", {0, 0, -3, 0, 0, 0}, false, false, 0, {4, 6, 54, 22}},
      {"unknown alignment: no shift", {7, 9, 0, 0, 0, 0}, false, false, 0, {4, 7, 54, 23}},
      {"clipped at the right", {0, 180, 0, 10, 0, 0}, false, false, 0, {184, 7, 194, 23}},
      {"popup reaches the buttons", {0, 0, 0, 0, 0, 0}, false, true, 120, {4, 7, 115, 23}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TitleTextRect(title, 50, 16, c.style, c.rightToLeft, c.popup, c.maxButtonLeft),
              c.expected)
        << c.what;
}

TEST(SkinFrameLayout, DialogsWidenForTheirTextAndSevenBlanks) {
  const SkinFrameWidths widths{4, 30, 5, 4, 0};
  const TitleTextStyle style{0, 6, 0, 8, 2, 3};
  // (10 + 7) * 4 + 4 + 5 + 6 + 8 + 2 + 3 = 96
  EXPECT_EQ(WidenedDialogWidth(60, 10, 4, widths, style), 96);
  EXPECT_EQ(WidenedDialogWidth(96, 10, 4, widths, style), 96);
  EXPECT_EQ(WidenedDialogWidth(300, 10, 4, widths, style), 300);
}

TEST(SkinFrameLayout, SkinnedAndNativeFramesKeepTheClientArea) {
  const SkinFrameWidths widths{4, 30, 5, 6, 19};
  const PixelRect window{100, 50, 535, 450};
  const PixelRect client = SkinnedClientRect(window, widths);
  EXPECT_EQ(client, (PixelRect{104, 99, 530, 444}));
  // A native frame 8 wide and 46 high around the client gives the same client back.
  const FrameSize native = NativeSizeFromSkinned({window.Width(), window.Height()}, widths, 8, 46);
  EXPECT_EQ(native, (FrameSize{client.Width() + 8, client.Height() + 46}));
}

TEST(SkinFrameLayout, MenuBarButtons) {
  EXPECT_EQ(MenuBarStart(true, 9, 5, false, 300), 13);
  EXPECT_EQ(MenuBarStart(true, 9, 5, true, 300), 13);
  EXPECT_EQ(MenuBarStart(true, 9, 5, false, 10), 12);
  EXPECT_EQ(MenuBarStart(false, 9, 5, false, 300), 6);
  EXPECT_EQ(MenuBarButtons({30, 0, 20}, 300, 19, 6, false),
            (std::vector<PixelRect>{{6, 0, 46, 18}, {46, 0, 46, 18}, {46, 0, 76, 18}}));
  EXPECT_EQ(MenuBarButtons({30, 20}, 300, 19, 6, true),
            (std::vector<PixelRect>{{254, 0, 294, 18}, {224, 0, 254, 18}}));
}

}  // namespace
}  // namespace korvale
