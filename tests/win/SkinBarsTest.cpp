// The gallery form's bars and combo boxes, skinned from each of the six bundled skins:
// a progress bar at several positions against the same bar composed in software, a status
// bar's panels, last panel and grip, combo boxes in each state (hot and pressed by the real
// pointer), and their native look after unskinning.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "core/FieldGeometry.h"
#include "core/SoftBlit.h"
#include "tests/support/PixelOracle.h"
#include "tests/support/PointerInput.h"
#include "tests/win/SkinGallery.h"
#include "toolkit/ComboBox.h"
#include "toolkit/ProgressBar.h"
#include "toolkit/StatusBar.h"

namespace korvale::testing {
namespace {

// The bar as the skinner paints it, in software.
PixelImage ProgressOracle(const TSkinData& skin, int width, int height, int position, int maximum) {
  const TDataSkinBorder& e = *skin.Progress;
  const FrameMargins margins{e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight};
  const PixelImage strip = e.Image->ToImage();
  const bool chunks = e.Style == 1;
  PixelImage image;
  image.Resize(width, height, PixelOf(skin.ColorButtonFace));
  BlitTransparent(image, 0, 0,
                  ComposeFrame(width, height, strip, chunks ? 1 : 2, 1, StripLayout::SideBySide, margins, e.Tile != 0));
  const int filled = ProgressFillRight(0, width, position, maximum);
  if (filled <= 0) return image;
  if (!chunks) {
    BlitTransparent(image, 0, 0,
                    ComposeFrame(filled, height, strip, 2, 2, StripLayout::SideBySide, margins, e.Tile != 0));
    return image;
  }
  const PixelImage chunk = e.Image2->ToImage();
  PixelImage row;
  row.Resize(filled, chunk.height);
  TileRect(row, {0, 0, filled, chunk.height}, chunk, {0, 0, chunk.width, chunk.height});
  BlitTransparent(image, e.LeftWidth, (height - chunk.height) / 2, row);
  return image;
}

class SkinnedBars : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { Make(GetParam()); }
  void Make(int index) {
    LoadBundledSkin(skin, index);
    form = TForm::Create<TGalleryForm>(&Application());
    bar = form->Find<TProgressBar>("ProgressBar1");
    combo = form->Find<TComboBox>("ComboBox1");
    simple = form->Find<TComboBox>("SimpleCombo");
    status = form->Find<TStatusBar>("StatusBar1");
    form->Show();
  }
  void TearDown() override {
    host.UnskinAll();
    delete form;
    form = nullptr;
  }
  static PixelImage Shot(TWinControl* control) {
    RedrawWindow(control->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT r{};
    GetClientRect(control->Handle(), &r);
    return CaptureImage(WindowDC(control->Handle()).get(), r);
  }
  void Skin() { TControlDispatch(host, skin).SkinComponents(*form); }

  TSkinData skin{nullptr};
  TTestSkinnerHost host;
  TGalleryForm* form = nullptr;
  TProgressBar* bar = nullptr;
  TStatusBar* status = nullptr;
  TComboBox* combo = nullptr;
  TComboBox* simple = nullptr;
};

TEST_P(SkinnedBars, ProgressFillsFromTheLeftInProportionAndShowsOnlyItsBackgroundWithoutARange) {
  ASSERT_TRUE(skin.Progress && skin.Progress->Image);
  const PixelImage native = Shot(bar);
  Skin();
  const struct {
    int position, maximum;
  } cases[] = {{0, 100}, {50, 100}, {100, 100}, {0, 0}};
  for (const auto& c : cases) {
    bar->SetRange(0, c.maximum);
    bar->SetPosition(c.position);
    const PixelImage shot = Shot(bar);
    EXPECT_TRUE(MatchesOracle(ProgressOracle(skin, shot.width, shot.height, c.position, c.maximum), shot))
        << c.position << " of " << c.maximum;
  }
  bar->SetRange(0, 100);
  bar->SetPosition(0);
  host.UnskinAll();
  EXPECT_EQ(Shot(bar).pixels, native.pixels);
}

// Of frames 1 to 3, the one whose composition agrees with most pixels of the rectangle.
int ShownEdge(const PixelImage& shot, const TDataSkinObject& e, const RECT& r) {
  const FrameMargins margins{e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight};
  int best = 0, bestScore = -1;
  for (int frame = 1; frame <= 3; ++frame) {
    const PixelImage part = ComposeFrame(r.right - r.left, r.bottom - r.top, e.Image->ToImage(), 3, frame,
                                         StripLayout::SideBySide, margins, e.Tile != 0);
    int score = 0;
    for (int y = 0; y < part.height; ++y)
      for (int x = 0; x < part.width; ++x) score += (part.At(x, y) & 0xFFFFFF) == (shot.At(r.left + x, r.top + y) & 0xFFFFFF);
    if (score > bestScore) bestScore = score, best = frame;
  }
  return best;
}

TEST_P(SkinnedBars, StatusPanelsShowTheirBevelsTheLastReachesTheEdgeAndTheGripIsDrawn) {
  ASSERT_TRUE(skin.StatusBarEdges && skin.StatusBarEdges->Image && skin.ExtraImages && skin.ExtraImages->Image);
  const PixelImage native = Shot(status);
  Skin();
  const PixelImage shot = Shot(status);
  const int bevels[] = {2, 3, 1};
  for (int i = 0; i < 3; ++i) {
    RECT part{};
    ASSERT_TRUE(SendMessageA(status->Handle(), SB_GETRECT, i, reinterpret_cast<LPARAM>(&part)));
    if (i == 2) {
      EXPECT_LT(part.right, shot.width) << "the control's own last part ends at its width";
      part.right = shot.width;
    }
    EXPECT_EQ(ShownEdge(shot, *skin.StatusBarEdges, part), bevels[i]) << "panel " << i;
  }
  // The grip: frame 5 of the extra images at the bottom-right corner, 1 pixel inside.
  const PixelImage extra = skin.ExtraImages->Image->ToImage();
  const int fw = extra.width / 5, fh = extra.height;
  int drawn = 0, differing = 0;
  for (int y = 0; y < fh; ++y)
    for (int x = 0; x < fw; ++x) {
      const std::uint32_t want = extra.At(4 * fw + x, y) & 0xFFFFFF;
      if (want == kTransparentKey) continue;
      ++drawn;
      differing += (shot.At(shot.width - 1 - fw + x, shot.height - 1 - fh + y) & 0xFFFFFF) != want;
    }
  EXPECT_GT(drawn, 0);
  EXPECT_EQ(differing, 0);
  host.UnskinAll();
  EXPECT_EQ(Shot(status).pixels, native.pixels);
}

// Of frames 1 to 4, the one the combo box's button shows; 0 on a tie.
int ShownComboFrame(const PixelImage& shot, const TSkinData& skin) {
  const PixelImage strip = skin.ComboButton->Image->ToImage();
  const int b = GetSystemMetrics(SM_CXHSCROLL);
  const PixelRect place{shot.width - b - 2, 0, shot.width, shot.height};
  int best = 0, bestScore = -1;
  for (int frame = 1; frame <= 4; ++frame) {
    PixelImage picture;
    picture.Resize(shot.width, shot.height, kTransparentKey);
    StretchCopy(picture, place, strip, FrameInStrip(strip.width, strip.height, 4, frame, StripLayout::SideBySide), true);
    int score = 0;
    for (int y = place.top; y < place.bottom; ++y)
      for (int x = place.left; x < place.right; ++x)
        score += (picture.At(x, y) & 0xFFFFFF) != kTransparentKey && (picture.At(x, y) & 0xFFFFFF) == (shot.At(x, y) & 0xFFFFFF);
    if (score == bestScore) best = 0;
    if (score > bestScore) bestScore = score, best = frame;
  }
  return best;
}

TEST_P(SkinnedBars, ComboButtonFollowsTheStateAndASimpleComboStaysNative) {
  ASSERT_TRUE(skin.ComboButton && skin.ComboButton->Image);
  form->Find<TWinControl>("Edit1")->SetFocus();
  const PixelImage native = Shot(combo), nativeSimple = Shot(simple);
  Skin();
  EXPECT_EQ(host.SkinnerOf(simple), nullptr);
  EXPECT_EQ(Shot(simple).pixels, nativeSimple.pixels);
  HWND window = combo->Handle();
  const auto shown = [&] { return ShownComboFrame(Shot(combo), skin); };
  MovePointer(form->Handle(), {2, 2});
  EXPECT_TRUE(WaitForSettled([&] { return shown() == 1; }));
  RECT client{};
  GetClientRect(window, &client);
  // On the button: the edit inside takes the pointer elsewhere.
  MovePointer(window, {client.right - GetSystemMetrics(SM_CXHSCROLL) / 2, client.bottom / 2});
  EXPECT_TRUE(WaitForSettled([&] { return shown() == 4; })) << "hot";
  Press();
  EXPECT_TRUE(WaitFor([&] { return shown() == 2; })) << "pressed";
  Release();
  EXPECT_TRUE(WaitFor([&] { return SendMessageA(window, CB_GETDROPPEDSTATE, 0, 0) != 0; })) << "the list drops";
  SendMessageA(window, CB_SHOWDROPDOWN, FALSE, 0);
  // The click gave the combo box the focus, which looks as hot does.
  auto* edit = form->Find<TWinControl>("Edit1");
  edit->SetFocus();
  MovePointer(edit->Handle(), {4, 4});
  EXPECT_TRUE(WaitForSettled([&] { return shown() == 1; })) << "neither hot nor pressed";
  combo->SetEnabled(false);
  EXPECT_EQ(ShownComboFrame(Shot(combo), skin), 3) << "disabled";
  combo->SetEnabled(true);
  host.UnskinAll();
  EXPECT_EQ(Shot(combo).pixels, native.pixels);
}

INSTANTIATE_TEST_SUITE_P(SixSkins, SkinnedBars, ::testing::Range(0, 6));

}  // namespace
}  // namespace korvale::testing
