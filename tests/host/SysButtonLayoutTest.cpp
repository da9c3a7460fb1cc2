#include "core/SysButtonLayout.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace korvale {
namespace {

// A sizeable, active, normal window with every box and no menu band.
SysButtonWindow Plain() {
  SysButtonWindow w;
  w.borderKind = 0;
  w.systemMenu = w.maximizeBox = w.minimizeBox = true;
  w.active = true;
  return w;
}

template <typename Change>
SysButtonWindow With(Change change) {
  SysButtonWindow w = Plain();
  change(w);
  return w;
}

TEST(SysButtonLayout, VisibilityRowsAndTheActionTest) {
  const SysButtonWindow plain = Plain();
  const SysButtonWindow maximized = With([](auto& w) { w.maximized = true; });
  const SysButtonWindow inactive = With([](auto& w) { w.active = false; });
  const SysButtonWindow noMax = With([](auto& w) { w.maximizeBox = false; });
  const SysButtonWindow noMin = With([](auto& w) { w.minimizeBox = false; });
  const SysButtonWindow noSysMenu = With([](auto& w) { w.systemMenu = false; });
  const SysButtonWindow otherBorder = With([](auto& w) { w.borderKind = 3; });
  const SysButtonWindow mdiMax = With([](auto& w) { w.mdiChildMaximized = true; w.menuHeight = 19; });
  const SysButtonWindow mdiMaxNoBand = With([](auto& w) { w.mdiChildMaximized = true; });
  const SysButtonWindow bandOnly = With([](auto& w) { w.menuHeight = 19; });
  struct Case {
    const char* what;
    int visibility, visibility1, action;
    SysButtonWindow window;
    bool shown;
  };
  const std::vector<Case> cases = {
      {"0: sizeable frame", 0, 0, 5, plain, true},
      {"0: other border kind", 0, 0, 5, otherBorder, false},
      {"0: caption-less popup kind counts as framed", 0, 0, 5, With([](auto& w) { w.borderKind = 2; }), true},
      {"0: close needs a system menu", 0, 0, 0, noSysMenu, false},
      {"0: other actions need none", 0, 0, 5, noSysMenu, true},
      {"0 in Visibility1 always holds", 7, 0, 5, noMax, true},
      {"1: maximised", 1, 1, 5, maximized, true},
      {"1: normal", 1, 1, 5, plain, false},
      {"2: normal", 2, 2, 5, plain, true},
      {"2: maximised", 2, 2, 5, maximized, false},
      {"3: active", 3, 3, 5, plain, true},
      {"3: inactive", 3, 3, 5, inactive, false},
      {"4: inactive", 4, 4, 5, inactive, true},
      {"4: active", 4, 4, 5, plain, false},
      {"5 hides", 5, 0, 5, plain, false},
      {"5 in Visibility1 hides", 0, 5, 5, plain, false},
      {"6: maximise box and system menu", 6, 6, 5, plain, true},
      {"6: no system menu", 6, 0, 5, noSysMenu, false},
      {"6 in Visibility1 asks only the box", 0, 6, 5, noSysMenu, true},
      {"6: no maximise box", 6, 6, 5, noMax, false},
      {"7: no maximise box", 7, 7, 5, noMax, true},
      {"7: maximise box", 7, 7, 5, plain, false},
      {"8: minimise box and system menu", 8, 8, 5, plain, true},
      {"8: no system menu", 8, 0, 5, noSysMenu, false},
      {"8 in Visibility1 asks only the box", 0, 8, 5, noSysMenu, true},
      {"8: no minimise box", 8, 8, 5, noMin, false},
      {"9: no minimise box", 9, 9, 5, noMin, true},
      {"9: minimise box", 9, 9, 5, plain, false},
      {"10 hides", 10, 0, 5, plain, false},
      {"11 hides", 11, 0, 5, plain, false},
      {"10 in Visibility1 hides", 0, 10, 5, plain, false},
      {"100: maximised child and a menu band", 100, 100, 5, mdiMax, true},
      {"100: no menu band", 100, 100, 5, mdiMaxNoBand, false},
      {"100: child not maximised", 100, 100, 5, bandOnly, false},
      {"100 in Visibility1 alone", 0, 100, 5, mdiMaxNoBand, false},
      {"200", 200, 0, 5, plain, true},
      {"2000", 2000, 2000, 5, plain, true},
      {"2001 hides", 2001, 0, 5, plain, false},
      {"199 hides", 199, 0, 5, plain, false},
      {"12 hides", 12, 0, 5, plain, false},
      {"-1 hides", -1, 0, 5, plain, false},
      {"Visibility1 12 hides", 0, 12, 5, plain, false},
      {"action 1 without a maximise box", 0, 0, 1, noMax, false},
      {"action 1 with one", 0, 0, 1, plain, true},
      {"action 1 never shows without a maximise box, whatever the rows", 200, 200, 1, noMax, false},
      {"action 2 without a minimise box", 0, 0, 2, noMin, false},
      {"action 2 with one", 0, 0, 2, plain, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ButtonVisible({c.action, 0, 0, 0, c.visibility, c.visibility1}, c.window), c.shown) << c.what;
}

TEST(SysButtonLayout, PlacesEveryAlign) {
  // W = 300, L = 4, T = 30, R = 6, menu band 20, title text at 100..180, bar cap 7.
  SysButtonFrame frame{300, 4, 30, 6, 20, {100, 5, 180, 25}, 7, false};
  struct Case {
    const char* what;
    int align, x, y;
    std::optional<PixelRect> expected;
  };
  // Images of 48 x 16 in three frames: buttons of 16 x 16.
  const std::vector<Case> cases = {
      {"0: at X, Y", 0, 5, 3, PixelRect{5, 3, 21, 19}},
      {"1: from the right edge", 1, 40, 4, PixelRect{260, 4, 276, 20}},
      {"2: left of the title text", 2, 3, 6, PixelRect{81, 6, 97, 22}},
      {"8: as 2", 8, 3, 6, PixelRect{81, 6, 97, 22}},
      {"3: right of the title text", 3, 3, 6, PixelRect{183, 6, 199, 22}},
      {"9: as 3", 9, 3, 6, PixelRect{183, 6, 199, 22}},
      {"100: centred in the menu band", 100, 20, 99, PixelRect{267, 32, 283, 48}},
      {"other: the corner", 4, 20, 9, PixelRect{0, 0, 16, 16}},
      {"other: negative", -1, 20, 9, PixelRect{0, 0, 16, 16}},
  };
  for (const Case& c : cases) {
    const SysButtonLayout layout = LayoutSysButtons({{{5, c.align, c.x, c.y, 0, 0}, true, 48, 16, 3}}, frame);
    ASSERT_EQ(layout.rects.size(), 1u);
    EXPECT_EQ(layout.rects[0], c.expected) << c.what;
  }
  frame.rightToLeft = true;
  EXPECT_EQ(LayoutSysButtons({{{5, 100, 20, 0, 0, 0}, true, 48, 16, 3}}, frame).rects[0], (PixelRect{31, 32, 47, 48}))
      << "100, right to left: from the left border";
  frame.rightToLeft = false;
  frame.menuBarLeftWidth = 0;
  EXPECT_EQ(LayoutSysButtons({{{5, 100, 20, 0, 0, 0}, true, 48, 16, 3}}, frame).rects[0], (PixelRect{274, 32, 290, 48}))
      << "100 without a bar element";
}

TEST(SysButtonLayout, SkipsHiddenAndImagelessButtonsAndTracksTheRightmostAnchor) {
  const SysButtonFrame frame{300, 4, 30, 6, 0, {100, 5, 180, 25}, 0, false};
  const std::vector<SysButtonShape> shapes = {
      {{0, 1, 20, 2, 0, 0}, true, 16, 16, 1},    // left edge 280
      {{1, 1, 60, 2, 0, 0}, true, 16, 16, 1},    // left edge 240
      {{2, 1, 10, 2, 0, 0}, false, 16, 16, 1},   // hidden: no place, no anchor
      {{3, 1, 5, 2, 0, 0}, true, 0, 0, 1},       // no image: no place, no anchor
      {{4, 0, 3, 2, 0, 0}, true, 16, 16, 0},     // frame count 0 counts as 1
  };
  const SysButtonLayout layout = LayoutSysButtons(shapes, frame);
  ASSERT_EQ(layout.rects.size(), 5u);
  EXPECT_EQ(layout.rects[0], (PixelRect{280, 2, 296, 18}));
  EXPECT_EQ(layout.rects[1], (PixelRect{240, 2, 256, 18}));
  EXPECT_FALSE(layout.rects[2]);
  EXPECT_FALSE(layout.rects[3]);
  EXPECT_EQ(layout.rects[4], (PixelRect{3, 2, 19, 18}));
  EXPECT_EQ(layout.maxButtonLeft, 280);
  EXPECT_EQ(LayoutSysButtons({}, frame).maxButtonLeft, 0);
}

TEST(SysButtonLayout, FramesByActivationAndHotState) {
  struct Case {
    bool active;
    int frames, expected;
  };
  for (const Case& c : std::vector<Case>{{true, 4, 1}, {false, 4, 4}, {false, 5, 4}, {false, 3, 1}, {false, 1, 1}})
    EXPECT_EQ(TitleButtonFrame(c.active, c.frames), c.expected) << c.active << " " << c.frames;
  struct HotCase {
    int state, visibility, expected;
  };
  for (const HotCase& c : std::vector<HotCase>{{1, 0, 1}, {2, 0, 2}, {3, 0, 3}, {3, 100, 4}, {2, 100, 2}, {1, 100, 1}})
    EXPECT_EQ(HotStateFrame(c.state, c.visibility), c.expected) << c.state << " " << c.visibility;
}

}  // namespace
}  // namespace korvale
