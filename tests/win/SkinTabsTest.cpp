// The gallery's tab controls, their tabs on each side, skinned from each of the six bundled
// skins: the strip, turned back in software, shows every tab as the top-tab picture of its
// frame.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "core/FieldGeometry.h"
#include "core/SoftBlit.h"
#include "tests/support/PixelOracle.h"
#include "tests/win/SkinGallery.h"
#include "toolkit/TabControl.h"

namespace korvale::testing {
namespace {

// The captured strip turned the way the skinner drew it, before it turned it to its side.
PixelImage AsDrawn(const PixelImage& strip, TabSide side) {
  if (side == TabSide::Top || side == TabSide::Bottom) return strip;
  PixelImage turned;
  turned.Resize(strip.height, strip.width);
  for (int y = 0; y < strip.height; ++y)
    for (int x = 0; x < strip.width; ++x) {
      // Left tabs were turned counter-clockwise: buffer (bx, by) went to (by, h - 1 - bx).
      if (side == TabSide::Left) turned.Set(strip.height - 1 - y, x, strip.At(x, y));
      else turned.Set(y, strip.width - 1 - x, strip.At(x, y));
    }
  return turned;
}

class SkinnedTabs : public ::testing::TestWithParam<std::tuple<int, TTabPosition>> {
 protected:
  void SetUp() override {
    LoadBundledSkin(skin, std::get<0>(GetParam()));
    form = TForm::Create<TGalleryForm>(&Application());
    static const char* const names[] = {"TabControlTop", "TabControlBottom", "TabControlLeft", "TabControlRight"};
    tabs = form->Find<TTabControl>(names[static_cast<int>(std::get<1>(GetParam()))]);
    form->Show();
  }
  void TearDown() override {
    host.UnskinAll();
    delete form;
  }
  TSkinData skin{nullptr};
  TTestSkinnerHost host;
  TGalleryForm* form = nullptr;
  TTabControl* tabs = nullptr;
};

TEST_P(SkinnedTabs, EveryTabShowsItsFrameAsIfOnTop) {
  const auto side = static_cast<TabSide>(static_cast<int>(std::get<1>(GetParam())));
  TControlDispatch(host, skin).SkinComponents(*form);
  HWND window = tabs->Handle();
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  RECT client{};
  GetClientRect(window, &client);
  const PixelImage shot = CaptureImage(WindowDC(window).get(), client);
  RECT display = client;
  SendMessageA(window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  InflateRect(&display, 4, 4);
  if (side == TabSide::Top) ++display.top;
  if (side == TabSide::Bottom) --display.bottom;
  if (side == TabSide::Left) ++display.left;
  if (side == TabSide::Right) --display.right;
  const PixelRect strip = TabStrip({0, 0, shot.width, shot.height}, {display.left, display.top, display.right, display.bottom}, side);
  PixelImage cut;
  cut.Resize(strip.Width(), strip.Height());
  for (int y = 0; y < strip.Height(); ++y)
    for (int x = 0; x < strip.Width(); ++x) cut.Set(x, y, shot.At(strip.left + x, strip.top + y));
  const PixelImage drawn = AsDrawn(cut, side);
  const TDataSkinBorder& e = *skin.Tabs;
  const PixelImage frames = side == TabSide::Bottom ? FlippedVertically(e.Image->ToImage()) : e.Image->ToImage();
  const FrameMargins margins{e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight};
  const int focused = static_cast<int>(SendMessageA(window, TCM_GETCURFOCUS, 0, 0));
  for (int i = 0; i < 3; ++i) {
    RECT r{};
    ASSERT_TRUE(SendMessageA(window, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r)));
    const PixelRect tab = TabInBuffer({r.left, r.top, r.right, r.bottom}, strip, side);
    const PixelRect shown{std::max(tab.left, 0), std::max(tab.top, 0), std::min(tab.right, drawn.width),
                          std::min(tab.bottom, drawn.height)};
    int scores[3] = {};
    for (int frame = 1; frame <= 2; ++frame) {
      const PixelImage piece = ComposeFrame(tab.Width(), tab.Height(), frames, e.FrameCount, frame,
                                            StripLayout::SideBySide, margins, e.Tile != 0);
      for (int y = shown.top; y < shown.bottom; ++y)
        for (int x = shown.left; x < shown.right; ++x)
          scores[frame] += (piece.At(x - tab.left, y - tab.top) & 0xFFFFFF) == (drawn.At(x, y) & 0xFFFFFF);
    }
    const int expected = i == focused ? 2 : 1, other = 3 - expected;
    EXPECT_GT(scores[expected], scores[other]) << "tab " << i;
    EXPECT_GT(scores[expected] * 2, shown.Width() * shown.Height()) << "tab " << i;
  }
}

std::string TabTestName(const ::testing::TestParamInfo<std::tuple<int, TTabPosition>>& info) {
  static const char* const sides[] = {"Top", "Bottom", "Left", "Right"};
  return std::string(kBundledSkinNames[std::get<0>(info.param)]) + sides[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(SixSkins, SkinnedTabs,
                         ::testing::Combine(::testing::Range(0, 6),
                                            ::testing::Values(TTabPosition::tpTop, TTabPosition::tpBottom,
                                                              TTabPosition::tpLeft, TTabPosition::tpRight)),
                         TabTestName);

}  // namespace
}  // namespace korvale::testing
