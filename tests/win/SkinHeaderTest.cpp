// The header control of the gallery form skinned from each of the six bundled skins: its
// sections against the same sections composed in software, hot under the real pointer and
// pressed while the button is held, and its native look after unskinning.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/SoftBlit.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinListView.h"
#include "tests/support/PixelOracle.h"
#include "tests/support/PointerInput.h"
#include "tests/win/SkinGallery.h"
#include "toolkit/GdiHandles.h"
#include "toolkit/HeaderControl.h"
#include "toolkit/ListView.h"

namespace korvale::testing {
namespace {

// The list view's header is lower than the header pictures, and the arrow pictures are
// longer than the buttons: shrunk, GDI and the software blitter may take neighbouring rows.
// Measured over the six skins: at most 2.
constexpr int kShrinkTolerance = 2;

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

// Where a section's caption draws: its text box as the caption painter places it, and a
// pixel around it for the font's overhang. Empty for a section without text.
RECT CaptionBox(HWND header, int index) {
  char buffer[201] = {};
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_FORMAT;
  item.pszText = buffer;
  item.cchTextMax = sizeof buffer;
  SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  if (!buffer[0]) return {};
  const WindowDC dc(header);
  const SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(header, WM_GETFONT, 0, 0)));
  SIZE text{};
  GetTextExtentPoint32A(dc.get(), buffer, lstrlenA(buffer), &text);
  const RECT place = SectionRect(header, index);
  const int width = place.right - place.left, height = place.bottom - place.top;
  int d = 2;
  if (item.fmt & HDF_CENTER) d = (width - text.cx) / 2;
  if (item.fmt & HDF_RIGHT) d = width - text.cx - 2;
  const int left = place.left + d + 1, top = place.top + (height - text.cy) / 2;
  return {left - 1, top - 1, left + text.cx + 1, top + text.cy + 1};
}

// The whole window, frame and children included, as shown.
PixelImage WholeShot(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RECT r{};
  GetWindowRect(window, &r);
  return CaptureImage(WindowDC(window).get(), {0, 0, r.right - r.left, r.bottom - r.top});
}

// The client area (less its top `skip` rows) in window coordinates.
RECT ClientPart(HWND window, int skip) {
  RECT client{}, frame{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  GetWindowRect(window, &frame);
  OffsetRect(&client, -frame.left, -frame.top);
  client.top += skip;
  return client;
}

int DifferingPixels(const PixelImage& a, const PixelImage& b, const RECT& r) {
  int count = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) count += (a.At(x, y) & 0xFFFFFF) != (b.At(x, y) & 0xFFFFFF);
  return count;
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
  ::testing::AssertionResult ShowsFrames(const std::vector<int>& frames) { return ShowsFrames(header->Handle(), frames); }
  ::testing::AssertionResult ShowsFrames(HWND window, const std::vector<int>& frames,
                                         int tolerance = kOracleTolerance) {
    const int count = static_cast<int>(frames.size());
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
    for (int i = 0; i < count; ++i) {
      compose(SectionRect(window, i), frames[i]);
      if (const RECT box = CaptionBox(window, i); !IsRectEmpty(&box)) captions.push_back(box);
    }
    compose({SectionRect(window, count - 1).right, 0, shot.width, shot.height}, 1);
    for (const RECT& box : captions) {
      bool caption = false;
      for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
          caption |= (expected.At(x, y) & 0xFFFFFF) != (shot.At(x, y) & 0xFFFFFF);
          expected.Set(x, y, shot.At(x, y));
        }
      if (!caption) return ::testing::AssertionFailure() << "no caption at " << box.left << "," << box.top;
    }
    return MatchesOracle(expected, shot, tolerance);
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
  Release();
  EXPECT_TRUE(WaitForSettled([&] { return ShowsFrames({1, 4, 1}); })) << ShowsFrames({1, 4, 1}).message();
  MovePointer(form->Handle(), {4, 4});
  EXPECT_TRUE(WaitForSettled([&] { return ShowsFrames({1, 1, 1}); })) << ShowsFrames({1, 1, 1}).message();

  host.UnskinAll();
  EXPECT_EQ(Shot(window).pixels, native.pixels);
}

// The up arrow of a vertical bar as the bar painter draws it: frame 9 of the arrow strip over
// the bar colour, 16 pixels thick, then stretched to the bar's real thickness.
PixelImage UpArrowOracle(const TSkinData& skin, int thickness, int length) {
  const PixelImage strip = skin.Scrollbar->Image->ToImage();
  PixelImage sixteen;
  sixteen.Resize(16, length, PixelOf(skin.ColorScrollbar));
  StretchCopy(sixteen, {0, 0, 16, length}, strip, FrameInStrip(strip.width, strip.height, 23, 9, StripLayout::SideBySide),
              true);
  PixelImage button;
  button.Resize(thickness, length);
  StretchCopy(button, {0, 0, thickness, length}, sixteen, {0, 0, 16, length}, false);
  return button;
}

TEST_P(SkinnedHeader, AListViewGetsSkinnedBarsAndHeaderOneWithoutAHeaderOnlyBarsAndBothTurnNativeAgain) {
  ASSERT_TRUE(skin.Scrollbar && skin.Scrollbar->HasImage());
  MovePointer(form->Handle(), {4, 4});
  auto* withHeader = form->Find<TListView>("ListView1");
  auto* without = form->Find<TListView>("ListView2");
  for (TListView* view : {withHeader, without})
    if (view->ItemCount() == 0) view->AddItems(std::vector<std::vector<std::string>>(40, {"Line", "6900"}));
  HWND header = ListView_GetHeader(withHeader->Handle());
  ASSERT_TRUE(header && IsWindowVisible(header));
  RECT headerRect{};
  GetClientRect(header, &headerRect);
  const PixelImage native[] = {WholeShot(withHeader->Handle()), WholeShot(without->Handle())};
  for (TListView* view : {withHeader, without}) TControlDispatch(host, skin).SkinComponent(*view, *form);

  EXPECT_NE(dynamic_cast<TSkinHeader*>(host.FindSkinner(header)), nullptr);
  EXPECT_TRUE(ShowsFrames(header, {1, 1}, kShrinkTolerance));
  const int b = GetSystemMetrics(SM_CXHSCROLL);
  const TListView* views[] = {withHeader, without};
  for (int i = 0; i < 2; ++i) {
    HWND window = const_cast<TListView*>(views[i])->Handle();
    auto* skinner = dynamic_cast<TSkinListView*>(host.SkinnerOf(const_cast<TListView*>(views[i])));
    ASSERT_NE(skinner, nullptr);
    const PixelImage shot = WholeShot(window);
    // The bars are the skin's: the up arrow where the vertical bar starts.
    const RECT bar = skinner->VertRect();
    ASSERT_FALSE(IsRectEmpty(&bar)) << i;
    PixelImage arrow;
    arrow.Resize(bar.right - bar.left, b);
    for (int y = 0; y < b; ++y)
      for (int x = 0; x < arrow.width; ++x) arrow.Set(x, y, shot.At(bar.left + x, bar.top + y));
    EXPECT_TRUE(MatchesOracle(UpArrowOracle(skin, arrow.width, b), arrow, kShrinkTolerance)) << i;
    // The items keep their own look, and so does the client area of the list view whose
    // header is hidden.
    EXPECT_EQ(DifferingPixels(shot, native[i], ClientPart(window, i == 0 ? headerRect.bottom : 0)), 0) << i;
  }

  host.UnskinAll();
  EXPECT_EQ(WholeShot(withHeader->Handle()).pixels, native[0].pixels);
  EXPECT_EQ(WholeShot(without->Handle()).pixels, native[1].pixels);
}

INSTANTIATE_TEST_SUITE_P(SixSkins, SkinnedHeader, ::testing::Range(0, 6));

}  // namespace
}  // namespace korvale::testing
