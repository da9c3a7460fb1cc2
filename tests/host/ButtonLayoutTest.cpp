#include "core/ButtonLayout.h"

#include <gtest/gtest.h>

#include "core/ButtonStates.h"
#include "core/Skin3rdMapping.h"

namespace korvale {
namespace {

struct LayoutCase {
  const char* what;
  GlyphCaptionInput in;
  GlyphCaptionPlacement out;
};

TEST(BitmapButtonLayout, EveryLayoutWithMarginAndSpacingGivenOrDerived) {
  using L = GlyphLayout;
  using A = CaptionAlign;
  const LayoutCase cases[] = {
      {"left, both derived: three equal parts", {100, 30, 16, 16, 40, 13, L::Left, -1, -1},
       {{15, 7, 31, 23}, {45, 9, 85, 22}, A::Left}},
      {"right, spacing derived", {100, 30, 16, 16, 40, 13, L::Right, 4, -1},
       {{80, 7, 96, 23}, {20, 9, 60, 22}, A::Right}},
      {"top, margin derived", {100, 60, 16, 16, 40, 13, L::Top, -1, 2},
       {{42, 14, 58, 30}, {30, 32, 70, 45}, A::Centre}},
      {"bottom, both given", {100, 60, 16, 16, 40, 13, L::Bottom, 5, 3},
       {{42, 39, 58, 55}, {30, 23, 70, 36}, A::Centre}},
      {"no glyph: spacing does not count", {100, 30, 0, 0, 40, 13, L::Left, -1, 7},
       {{30, 15, 30, 15}, {30, 9, 70, 22}, A::Left}},
      {"speed button centres a derived margin one pixel in", {100, 30, 16, 16, 40, 13, L::Left, -1, 4, true},
       {{21, 7, 37, 23}, {41, 9, 81, 22}, A::Left}},
  };
  for (const LayoutCase& c : cases) EXPECT_EQ(PlaceGlyphAndCaption(c.in), c.out) << c.what;
}

TEST(BitmapButtonLayout, GlyphAndCaptionOfEqualSizeCentreWithinOnePixel) {
  for (int width = 40; width < 44; ++width) {
    const auto p = PlaceGlyphAndCaption({width, 20, 10, 10, 10, 10, GlyphLayout::Left, -1, -1});
    EXPECT_LE(std::abs(p.glyph.left - (width - p.caption.right)), 1) << width;
  }
}

TEST(CheckGlyphBox, CentredInTheFourteenPixelColumnOrAtTheEdge) {
  const PixelRect control{0, 0, 100, 17};
  struct Case {
    int width;
    bool right;
    PixelRect box;
  } cases[] = {
      {13, false, {0, 2, 13, 15}},  {10, false, {2, 2, 12, 15}}, {16, false, {0, 2, 16, 15}},
      {13, true, {87, 2, 100, 15}}, {10, true, {88, 2, 98, 15}}, {16, true, {83, 2, 99, 15}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CheckGlyphRect(control, c.width, 13, c.right), c.box) << c.width << " right " << c.right;
}

TEST(ButtonFrames, StateToFrameTables) {
  struct Case {
    ButtonLook look;
    int push;
    int speed;
  } cases[] = {
      {{}, 1, 1},
      {{.hot = true}, 4, 4},
      {{.focused = true}, 4, 1},
      {{.pressed = true, .hot = true}, 2, 2},
      {{.enabled = false, .hot = true, .focused = true}, 3, 3},
      {{.enabled = false, .down = true}, 3, 2},
      {{.down = true}, 1, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PushButtonFrame(c.look), c.push);
    EXPECT_EQ(SpeedButtonFrame(c.look), c.speed);
  }
  const int glyphs4[] = {0, 1, 3, 2, 1};
  for (int frame = 1; frame <= 4; ++frame) EXPECT_EQ(GlyphIndexForFrame(frame, 4), glyphs4[frame]);
  EXPECT_EQ(GlyphIndexForFrame(kFramePressed, 2), 1);
  EXPECT_EQ(GlyphIndexForFrame(kFrameDisabled, 2), 2);

  EXPECT_EQ(CheckBoxFrame(false, true, false), 1);
  EXPECT_EQ(CheckBoxFrame(true, true, false), 2);
  EXPECT_EQ(CheckBoxFrame(false, false, false), 3);
  EXPECT_EQ(CheckBoxFrame(true, false, false), 4);
  EXPECT_EQ(CheckBoxFrame(false, true, true), 4);
  EXPECT_EQ(RadioButtonFrame(true, true), 2);
  EXPECT_EQ(RadioButtonFrame(true, false), 4);
}

TEST(Skin3rdMapping, FirstLineNamingTheClassDecides) {
  TStringList lines;
  lines.SetText("TRzCheckGroupX=button\nTRzCheckGroup=CheckGroup\nTRzCheckGroup=panel\nTOdd=Sparkles\n");
  EXPECT_EQ(FindSkin3rdKind(lines, "TRZCHECKGROUP"), Skin3rdKind::CheckGroup);
  EXPECT_EQ(FindSkin3rdKind(lines, "TRzCheck"), std::nullopt);
  EXPECT_EQ(FindSkin3rdKind(lines, "TOdd"), Skin3rdKind::Unknown);
  EXPECT_EQ(FindSkin3rdKind(lines, "TButton"), std::nullopt);
  EXPECT_EQ(ParseSkin3rdKind("Radiogroup"), Skin3rdKind::RadioGroup);
  EXPECT_EQ(ParseSkin3rdKind("scrollbar "), Skin3rdKind::Unknown);
}

}  // namespace
}  // namespace korvale
