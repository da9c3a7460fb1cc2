// The painting primitives against the software composition, on the six bundled skins and on
// pictures made here: pixels read back from DIBs, regions probed point by point, GDI objects
// counted.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/RegionRuns.h"
#include "core/SoftBlit.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinDataClasses.h"
#include "skin/data/SkinElements.h"
#include "skin/data/SkinStore.h"
#include "skin/paint/BitmapRegion.h"
#include "skin/paint/CaptionPaint.h"
#include "skin/paint/FramePaint.h"
#include "skin/paint/TransparentBlit.h"
#include "skin/paint/WorkBitmap.h"
#include "tests/support/PixelOracle.h"
#include "tests/support/WinTestSupport.h"
#include "tests/win/SkinTestSkins.h"
#include "toolkit/Bitmap.h"
#include "toolkit/FormReader.h"
#include "toolkit/ImageList.h"

namespace korvale::testing {
namespace {

constexpr std::uint32_t kKey = 0xFF00FF;
constexpr COLORREF kKeyRef = RGB(255, 0, 255);

// The six bundled skins, loaded one at a time into the stored skin component.
class BundledSkins {
 public:
  BundledSkins() {
    RegisterSkinDataClasses();
    ReadComponentResource(&root_, "BUNDLEDSKINS");
    store_ = dynamic_cast<TSkinStore*>(root_.FindComponent("SkinStore1"));
    data_ = dynamic_cast<TSkinData*>(root_.FindComponent("SkinData1"));
  }
  static constexpr const char* kNames[] = {"MacOS", "XP1", "XP2", "XP3", "Blue", "Whistler"};
  TSkinData& Load(int index) {
    data_->LoadFromStore(store_, index);
    return *data_;
  }

 private:
  SkinMessages messages_;
  TComponent root_{nullptr};
  TSkinStore* store_ = nullptr;
  TSkinData* data_ = nullptr;
};

// A picture whose pixels differ from their neighbours and are never the key.
PixelImage Pattern(int width, int height) {
  PixelImage image;
  image.Resize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.Set(x, y, (0x204060 + (x * 7 << 16) + (y * 5 << 8) + x + y) & 0xFFFFFF);
  return image;
}

std::unique_ptr<TBitmap> BitmapOf(const PixelImage& image) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(32);
  bitmap->AssignImage(image);
  return bitmap;
}

TEST(SkinPaint, ButtonFramesOfTheBundledSkinsMatchTheOracle) {
  BundledSkins skins;
  const RECT at{7, 5, 82, 30};
  for (int skin = 0; skin < 6; ++skin) {
    const TDataSkinButton& button = *skins.Load(skin).Buttons;
    const PixelImage strip = button.Image->ToImage();
    const FrameMargins margins = ElementMargins(button);
    for (int frame = 1; frame <= 4; ++frame) {
      SCOPED_TRACE(std::string(BundledSkins::kNames[skin]) + " frame " + std::to_string(frame));
      const PixelImage expected = ComposeFrame(75, 25, strip, button.FrameCount, frame,
                                               StripLayout::SideBySide, margins, button.Tile != 0);
      const auto composed = ComposeFrame(75, 25, *button.Image, margins, StripLayout::SideBySide,
                                         button.Tile != 0, button.FrameCount, frame);
      ASSERT_TRUE(composed);
      EXPECT_TRUE(MatchesOracle(expected, composed->ToImage()));

      // Drawn onto a picture, through the key when the element is transparent.
      PixelImage want = Pattern(90, 40);
      const auto target = BitmapOf(want);
      DrawSkinFrame(target->MemoryDC(), at, button, button.FrameCount, frame);
      if (button.Trans == 1) {
        BlitTransparent(want, at.left, at.top, expected);
      } else {
        CopyImage(want, at.left, at.top, expected);
      }
      EXPECT_TRUE(MatchesOracle(want, target->ToImage()));
    }
  }
}

TEST(SkinPaint, ColourKeyBlitsCopyEverythingButTheKey) {
  PixelImage source = Pattern(30, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x)
      if ((x + y) % 3 == 0 || y < 2) source.Set(x, y, kKey);
  const auto bitmap = BitmapOf(source);
  for (KeyMaskMethod method : {KeyMaskMethod::MaskBlt, KeyMaskMethod::InvertAndInvert}) {
    PixelImage want = Pattern(40, 30);
    const auto target = BitmapOf(want);
    // A destination larger than the bitmap copies the bitmap only.
    BlitTransparent(target->MemoryDC(), {4, 6, 44, 36}, *bitmap, kKeyRef, method);
    BlitTransparent(want, 4, 6, source);
    EXPECT_TRUE(MatchesOracle(want, target->ToImage(), 0)) << static_cast<int>(method);
  }
}

TEST(SkinPaint, AnAllKeyFrameDrawnTransparentLeavesTheDestinationUnchanged) {
  PixelImage keyImage;
  keyImage.Resize(40, 12, kKey);
  const auto key = BitmapOf(keyImage);
  TDataSkinObject element("Key");
  element.Image->Assign(*key);
  element.FrameCount = 2;
  element.Trans = 1;
  element.LeftWidth = element.TopHeight = element.RightWidth = element.BottomHeight = 3;
  const FrameMargins margins = ElementMargins(element);

  struct Case {
    const char* name;
    std::function<void(HDC, const RECT&)> draw;
  };
  const std::vector<Case> cases = {
      {"DrawSkinFrame element", [&](HDC dc, const RECT& r) { DrawSkinFrame(dc, r, element, 2, 2); }},
      {"DrawSkinFrame tiled",
       [&](HDC dc, const RECT& r) {
         DrawSkinFrame(dc, r, *key, StripLayout::Stacked, true, true, margins, 2, 1);
       }},
      {"StretchFrame", [&](HDC dc, const RECT& r) { StretchFrame(dc, r, *key, true, 2, 1); }},
      {"DrawFrameTransparent", [&](HDC dc, const RECT& r) { DrawFrameTransparent(dc, r, 2, 2, *key); }},
      {"DrawThreeSlice",
       [&](HDC dc, const RECT& r) {
         DrawThreeSlice(dc, r, *key, StripLayout::SideBySide, true, 2, 1, margins);
       }},
      {"DrawGlyph", [&](HDC dc, const RECT& r) { DrawGlyph(dc, r.left, r.top, 4, 2, *key); }},
  };
  const PixelImage pattern = Pattern(60, 40);
  for (const Case& c : cases) {
    const auto target = BitmapOf(pattern);
    c.draw(target->MemoryDC(), {5, 6, 55, 31});
    EXPECT_TRUE(MatchesOracle(pattern, target->ToImage(), 0)) << c.name;
  }

  // The speed-button variant shows the face colour through the key.
  const auto target = BitmapOf(pattern);
  DrawSpeedButtonFrame(target->MemoryDC(), {5, 6, 55, 31}, element, RGB(10, 20, 30), 2, 1);
  PixelImage want = pattern;
  for (int y = 6; y < 31; ++y)
    for (int x = 5; x < 55; ++x) want.Set(x, y, 0x0A141E);
  EXPECT_TRUE(MatchesOracle(want, target->ToImage(), 0));
}

TEST(SkinPaint, PrimitivesMatchTheSoftwareComposition) {
  const PixelImage strip = Pattern(60, 20);  // three frames of 20 x 20 side by side
  const auto bitmap = BitmapOf(strip);
  const FrameMargins margins{4, 5, 3, 6};
  const PixelRect frame = FrameInStrip(60, 20, 3, 2, StripLayout::SideBySide);
  const RECT at{6, 4, 70, 40};
  const PixelRect dest{6, 4, 70, 40};
  struct Case {
    const char* name;
    std::function<void(HDC)> draw;
    std::function<void(PixelImage&)> expect;
  };
  const std::vector<Case> cases = {
      {"DrawBorderFrame",
       [&](HDC dc) { DrawBorderFrame(dc, at, *bitmap, StripLayout::SideBySide, 3, 2, margins); },
       [&](PixelImage& want) { DrawPieces(want, 0, 0, strip, BorderFramePieces(dest, frame, margins)); }},
      {"StretchFrame", [&](HDC dc) { StretchFrame(dc, at, *bitmap, false, 3, 2); },
       [&](PixelImage& want) { DrawPieces(want, 0, 0, strip, StretchFramePieces(dest, frame)); }},
      {"DrawThreeSlice",
       [&](HDC dc) { DrawThreeSlice(dc, at, *bitmap, StripLayout::SideBySide, false, 3, 2, margins); },
       [&](PixelImage& want) {
         CopyImage(want, 6, 4, ComposeThreeSlice(64, 36, strip, 3, 2, StripLayout::SideBySide, 4, 3));
       }},
      {"TileRect", [&](HDC dc) { TileRect(dc, at, *bitmap, {3, 2, 10, 7}); },
       [&](PixelImage& want) { TileRect(want, dest, strip, {3, 2, 10, 7}); }},
      {"DrawGlyph", [&](HDC dc) { DrawGlyph(dc, 9, 8, 3, 2, *bitmap); },
       [&](PixelImage& want) {  // three glyphs: the first, keyed by its top-left pixel
         StretchCopy(want, {9, 8, 29, 28}, strip, {0, 0, 20, 20}, true, strip.At(0, 0));
       }},
  };
  for (const Case& c : cases) {
    PixelImage want = Pattern(80, 50);
    const auto target = BitmapOf(want);
    c.draw(target->MemoryDC());
    c.expect(want);
    EXPECT_TRUE(MatchesOracle(want, target->ToImage())) << c.name;
  }
}

// The columns [first, last] where a pixel differs from the background, or {-1, -1}.
std::pair<int, int> DrawnColumns(const PixelImage& image, std::uint32_t background) {
  int first = -1;
  int last = -1;
  for (int x = 0; x < image.width; ++x)
    for (int y = 0; y < image.height; ++y)
      if ((image.At(x, y) & 0xFFFFFF) != background) {
        if (first < 0) first = x;
        last = x;
      }
  return {first, last};
}

TEST(SkinPaint, CaptionsAndIconsArePlacedByTheirAlignment) {
  PixelImage white;
  white.Resize(100, 24, 0xFFFFFF);
  // A centred caption leaves as much room on its left as on its right.
  {
    const auto target = BitmapOf(white);
    DrawCaption(target->Canvas(), {0, 0, 100, 24}, DT_CENTER, true, "Caption");
    const auto [first, last] = DrawnColumns(target->ToImage(), 0xFFFFFF);
    ASSERT_GE(first, 0);
    EXPECT_LE(std::abs(first - (99 - last)), 2) << first << ".." << last;
  }
  // A lone 16 x 16 icon goes 2 pixels in from the left, to the middle, or 2 in from the right.
  PixelImage red;
  red.Resize(16, 16, 0xFF0000);
  TImageList images;
  images.AddMasked(*BitmapOf(red), clFuchsia);
  const std::pair<int, int> expected[] = {{2, 17}, {42, 57}, {82, 97}};
  for (int alignment = 0; alignment < 3; ++alignment) {
    const auto target = BitmapOf(white);
    DrawIconCaption(target->Canvas(), {0, 0, 100, 24}, alignment, "", 0, images.Handle(), true);
    EXPECT_EQ(DrawnColumns(target->ToImage(), 0xFFFFFF), expected[alignment]) << alignment;
  }
}

// The region holds exactly the pixels outside the key range (tolerance 1 per channel).
void ExpectRegionOfOpaquePixels(const TBitmap& bitmap, int dx, int dy) {
  const UniqueRegion region = RegionFromBitmap(bitmap, dx, dy, 1, 1, 1, kKeyRef);
  ASSERT_TRUE(region);
  const PixelImage pixels = bitmap.ToImage();
  int wrong = 0;
  for (int y = 0; y < pixels.height; ++y)
    for (int x = 0; x < pixels.width; ++x)
      if (PtInRegion(region.get(), x + dx, y + dy) == InKeyRange(pixels.At(x, y), kKey, {1, 1, 1}))
        ++wrong;
  EXPECT_EQ(wrong, 0);
}

TEST(SkinPaint, RegionsFromBitmapsLeaveOutTheKeyedCorners) {
  BundledSkins skins;
  for (int skin = 0; skin < 6; ++skin) {
    SCOPED_TRACE(BundledSkins::kNames[skin]);
    const TDataSkinBorder& left = *skins.Load(skin).BorderLeft;
    const PixelRect frame =
        FrameInStrip(left.Image->Width(), left.Image->Height(), left.FrameCount, 1, StripLayout::SideBySide);
    const auto piece = ComposeFrame(frame.Width(), 120, *left.Image, ElementMargins(left),
                                    StripLayout::SideBySide, left.Tile != 1, left.FrameCount, 1);
    ASSERT_TRUE(piece);
    const UniqueRegion region = RegionFromBitmap(*piece, 3, 4, 1, 1, 1, kKeyRef);
    EXPECT_FALSE(PtInRegion(region.get(), 3, 4)) << "the magenta corner";
    EXPECT_TRUE(PtInRegion(region.get(), 3, 4 + 60)) << "the opaque edge";
    ExpectRegionOfOpaquePixels(*piece, 3, 4);
  }
  // A picture of more runs than one region batch holds.
  PixelImage checks = Pattern(120, 80);
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 120; ++x)
      if ((x + y) % 2) checks.Set(x, y, 0xFF01FF);
  ExpectRegionOfOpaquePixels(*BitmapOf(checks), -2, 9);
}

TEST(SkinPaint, PrimitivesLeaveNoGdiObjectsBehind) {
  const auto strip = BitmapOf(Pattern(60, 20));
  TDataSkinObject element("Strip");
  element.Image->Assign(*strip);
  element.Trans = 1;
  element.LeftWidth = element.TopHeight = element.RightWidth = element.BottomHeight = 4;
  const FrameMargins margins = ElementMargins(element);
  TImageList images;
  images.AddMasked(*BitmapOf(Pattern(32, 16)), clFuchsia);
  const auto target = BitmapOf(Pattern(80, 40));
  HDC dc = target->MemoryDC();
  TCanvas& canvas = target->Canvas();
  const RECT r{2, 3, 70, 35};
  int resizes = 0;

  struct Case {
    const char* name;
    std::function<void()> call;
  };
  const std::vector<Case> cases = {
      {"ComposeFrame", [&] { (void)ComposeFrame(40, 20, *strip, margins, StripLayout::SideBySide, true, 3, 2); }},
      {"DrawSkinFrame", [&] { DrawSkinFrame(dc, r, element, 3, 1); }},
      {"DrawSpeedButtonFrame", [&] { DrawSpeedButtonFrame(dc, r, element, clBtnFace, 3, 2); }},
      {"DrawBorderFrame", [&] { DrawBorderFrame(dc, r, *strip, StripLayout::Stacked, 2, 2, margins); }},
      {"StretchFrame", [&] { StretchFrame(dc, r, *strip, true, 3, 3); }},
      {"DrawFrameTransparent", [&] { DrawFrameTransparent(dc, r, 3, 1, *strip); }},
      {"BlitTransparent", [&] { BlitTransparent(dc, r, *strip, kKeyRef, KeyMaskMethod::MaskBlt); }},
      {"BlitTransparent inverted",
       [&] { BlitTransparent(dc, r, *strip, kKeyRef, KeyMaskMethod::InvertAndInvert); }},
      {"DrawThreeSlice", [&] { DrawThreeSlice(dc, r, *strip, StripLayout::SideBySide, true, 3, 1, margins); }},
      {"TileRect", [&] { TileRect(dc, r, *strip, {3, 3, 9, 8}); }},
      {"RegionFromBitmap", [&] { (void)RegionFromBitmap(*strip, 1, 1, 1, 1, 1, kKeyRef); }},
      {"DrawCaption", [&] { DrawCaption(canvas, r, DT_CENTER, false, "Caption"); }},
      {"DrawIconCaption", [&] { DrawIconCaption(canvas, r, 1, "Caption", 1, images.Handle(), true); }},
      {"DrawGlyph", [&] { DrawGlyph(dc, 4, 4, 4, 3, *strip); }},
      {"WorkBitmap", [&] { (void)WorkBitmap(30 + (++resizes % 2) * 10, 20).Canvas(); }},
  };
  for (const Case& c : cases) c.call();  // objects made once, such as a canvas's font
  // Counting walks the handle tables and is slow under Wine: once for the whole table, and
  // per primitive only to name the one that leaks.
  const GuiObjectCounts before = CountGuiObjects();
  for (const Case& c : cases)
    for (int i = 0; i < 1000; ++i) c.call();
  if (CountGuiObjects() == before) return;
  for (const Case& c : cases) {
    const GuiObjectCounts start = CountGuiObjects();
    for (int i = 0; i < 1000; ++i) c.call();
    EXPECT_EQ(CountGuiObjects(), start) << c.name;
  }
  ADD_FAILURE() << "GDI or USER objects left behind";
}

}  // namespace
}  // namespace korvale::testing
