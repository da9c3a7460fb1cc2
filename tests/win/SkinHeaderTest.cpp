// The header control of the gallery form skinned from each of the six bundled skins: its
// sections against the same sections composed in software, hot under the real pointer and
// pressed while the button is held, and its native look after unskinning.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "core/SoftBlit.h"
#include "skin/controls/SkinHeader.h"
#include "tests/support/GuiObjectCounts.h"
#include "tests/support/PixelOracle.h"
#include "tests/support/PointerInput.h"
#include "tests/win/SkinGallery.h"
#include "toolkit/GdiHandles.h"
#include "toolkit/HeaderControl.h"

namespace korvale::testing {
namespace {

PixelImage Shot(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  RECT r{};
  GetClientRect(window, &r);
  return CaptureImage(WindowDC(window).get(), r);
}

RECT SectionRect(HWND header, int index) {
  RECT r{};
  SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

// Where a section's caption may draw: its text box as the caption painter places it, and a
// pixel around it for the font's overhang.
RECT CaptionBox(HWND header, const TColumnItem& section, const RECT& place) {
  const WindowDC dc(header);
  const SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(header, WM_GETFONT, 0, 0)));
  SIZE text{};
  GetTextExtentPoint32A(dc.get(), section.Text().c_str(), static_cast<int>(section.Text().size()), &text);
  const int width = place.right - place.left, height = place.bottom - place.top;
  int d = 2;
  if (section.Alignment() == TAlignment::taCenter) d = (width - text.cx) / 2;
  if (section.Alignment() == TAlignment::taRightJustify) d = width - text.cx - 2;
  const int left = place.left + d + 1, top = place.top + (height - text.cy) / 2;
  return {left - 1, top - 1, left + text.cx + 1, top + text.cy + 1};
}

class SkinnedHeader : public ::testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() {
    form = TForm::Create<TGalleryForm>(&Application());
    form->Show();
  }
  static void TearDownTestSuite() {
    delete form;
    form = nullptr;
  }
  void SetUp() override {
    LoadBundledSkin(skin, GetParam());
    header = form->Find<THeaderControl>("HeaderControl1");
    ASSERT_TRUE(header && skin.Headerbar && skin.Headerbar->HasImage());
  }
  void TearDown() override { host.UnskinAll(); }
  void Skin() { TControlDispatch(host, skin).SkinComponent(*header, *form); }

  // The header as the skinner paints it with section i in frames[i], in software; the
  // caption boxes are taken from the shot, and each must hold some pixel of the caption.
  ::testing::AssertionResult ShowsFrames(const std::vector<int>& frames) {
    HWND window = header->Handle();
    const PixelImage shot = Shot(window);
    const TDataSkinObject& e = *skin.Headerbar;
    const PixelImage strip = e.Image->ToImage();
    const FrameMargins margins{e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight};
    PixelImage expected;
    expected.Resize(shot.width, shot.height, PixelOf(skin.ColorButtonFace));
    const auto compose = [&](const RECT& r, int frame) {
      BlitTransparent(expected, r.left, r.top,
                      ComposeFrame(r.right - r.left, r.bottom - r.top, strip, e.FrameCount, frame,
                                   StripLayout::SideBySide, margins, e.Tile != 0));
    };
    std::vector<RECT> captions;
    for (int i = 0; i < header->Sections().Count(); ++i) {
      const RECT place = SectionRect(window, i);
      compose(place, frames[i]);
      if (!header->Section(i).Text().empty()) captions.push_back(CaptionBox(window, header->Section(i), place));
    }
    compose({SectionRect(window, header->Sections().Count() - 1).right, 0, shot.width, shot.height}, 1);
    for (const RECT& box : captions) {
      bool caption = false;
      for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
          caption |= (expected.At(x, y) & 0xFFFFFF) != (shot.At(x, y) & 0xFFFFFF);
          expected.Set(x, y, shot.At(x, y));
        }
      if (!caption) return ::testing::AssertionFailure() << "no caption at " << box.left << "," << box.top;
    }
    return MatchesOracle(expected, shot);
  }

  static inline TGalleryForm* form = nullptr;
  TSkinData skin{nullptr};
  TTestSkinnerHost host;
  THeaderControl* header = nullptr;
};

TEST_P(SkinnedHeader, SectionsShowTheirFramesHotUnderThePointerPressedWhileHeldAndNativeAfterwards) {
  HWND window = header->Handle();
  MovePointer(form->Handle(), {4, 4});
  const PixelImage native = Shot(window);
  Skin();
  ASSERT_NE(dynamic_cast<TSkinHeader*>(host.SkinnerOf(header)), nullptr);
  EXPECT_TRUE(ShowsFrames({1, 1, 1}));

  const RECT size = SectionRect(window, 1);
  const POINT inSize{(size.left + size.right) / 2, (size.top + size.bottom) / 2};
  MovePointer(window, inSize);
  EXPECT_TRUE(WaitForSettled([&] { return ShowsFrames({1, 4, 1}); })) << ShowsFrames({1, 4, 1}).message();
  PressAt(window, inSize);
  EXPECT_TRUE(WaitForSettled([&] { return ShowsFrames({1, 2, 1}); })) << ShowsFrames({1, 2, 1}).message();
  ReleaseButton();
  EXPECT_TRUE(WaitForSettled([&] { return ShowsFrames({1, 4, 1}); })) << ShowsFrames({1, 4, 1}).message();
  MovePointer(form->Handle(), {4, 4});
  EXPECT_TRUE(WaitForSettled([&] { return ShowsFrames({1, 1, 1}); })) << ShowsFrames({1, 1, 1}).message();

  host.UnskinAll();
  EXPECT_EQ(Shot(window).pixels, native.pixels);
}

INSTANTIATE_TEST_SUITE_P(SixSkins, SkinnedHeader, ::testing::Range(0, 6));

}  // namespace
}  // namespace korvale::testing
