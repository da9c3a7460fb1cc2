// A progress bar skinned from each of the six bundled skins at several positions, compared
// with the same bar composed in software, and its native look after unskinning.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "core/FieldGeometry.h"
#include "core/SoftBlit.h"
#include "tests/support/PixelOracle.h"
#include "tests/win/SkinGallery.h"
#include "toolkit/ProgressBar.h"

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

class SkinnedProgress : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    LoadBundledSkin(skin, GetParam());
    form = TForm::Create<TGalleryForm>(&Application());
    bar = new TProgressBar(form);
    bar->SetParent(form);
    bar->SetBounds(288, 250, 177, 18);  // clear of the gallery's controls
    form->Show();
  }
  void TearDown() override {
    host.UnskinAll();
    delete form;
  }
  PixelImage Shot() {
    RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT r{};
    GetClientRect(bar->Handle(), &r);
    return CaptureImage(WindowDC(bar->Handle()).get(), r);
  }

  TSkinData skin{nullptr};
  TTestSkinnerHost host;
  TGalleryForm* form = nullptr;
  TProgressBar* bar = nullptr;
};

TEST_P(SkinnedProgress, FillsFromTheLeftInProportionAndShowsOnlyTheBackgroundWithoutARange) {
  ASSERT_TRUE(skin.Progress && skin.Progress->Image);
  const PixelImage native = Shot();
  TControlDispatch(host, skin).SkinComponents(*form);
  const struct {
    int position, maximum;
  } cases[] = {{0, 100}, {50, 100}, {100, 100}, {0, 0}};
  for (const auto& c : cases) {
    bar->SetRange(0, c.maximum);
    bar->SetPosition(c.position);
    const PixelImage shot = Shot();
    EXPECT_TRUE(MatchesOracle(ProgressOracle(skin, shot.width, shot.height, c.position, c.maximum), shot))
        << c.position << " of " << c.maximum;
  }
  bar->SetRange(0, 100);
  bar->SetPosition(0);
  host.UnskinAll();
  EXPECT_EQ(Shot().pixels, native.pixels);
}

INSTANTIATE_TEST_SUITE_P(SixSkins, SkinnedProgress, ::testing::Range(0, 6));

}  // namespace
}  // namespace korvale::testing
