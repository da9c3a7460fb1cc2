#include "core/SoftBlit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace korvale {
namespace {

PixelImage Solid(int w, int h, std::uint32_t c) {
  PixelImage image;
  image.Resize(w, h, c);
  return image;
}

TEST(SoftBlit, StretchPicksTheNearestSourcePixel) {
  PixelImage src = Solid(2, 1, 0);
  src.Set(0, 0, 0x111111);
  src.Set(1, 0, 0x222222);
  PixelImage dst = Solid(4, 1, 0);
  StretchCopy(dst, {0, 0, 4, 1}, src, {0, 0, 2, 1});
  EXPECT_EQ(dst.pixels, (std::vector<std::uint32_t>{0x111111, 0x111111, 0x222222, 0x222222}));
  // Shrinking and partly outside either picture: clipped, no stray writes.
  PixelImage small = Solid(3, 1, 7);
  StretchCopy(small, {-2, 0, 2, 1}, src, {0, 0, 2, 1});
  EXPECT_EQ(small.pixels, (std::vector<std::uint32_t>{0x222222, 0x222222, 7}));
  StretchCopy(small, {0, 0, 3, 1}, src, {1, 0, 5, 1});  // source beyond the picture
  EXPECT_EQ(small.pixels, (std::vector<std::uint32_t>{0x222222, 0x222222, 7}));
}

TEST(SoftBlit, EnlargingSamplesTheSourcePixelsGdiTakes) {
  // Source pixel per destination pixel, as StretchBlt in COLORONCOLOR mode gave them.
  struct Case {
    int from, to;
    std::vector<std::uint32_t> sampled;
  };
  const std::vector<Case> cases = {
      {2, 5, {0, 0, 0, 1, 1}},
      {3, 7, {0, 0, 1, 1, 1, 2, 2}},
      {14, 17, {0, 1, 2, 2, 3, 4, 5, 6, 6, 7, 8, 9, 10, 11, 11, 12, 13}},
  };
  for (const Case& c : cases) {
    PixelImage ramp = Solid(c.from, 1, 0);
    for (int x = 0; x < c.from; ++x) ramp.Set(x, 0, static_cast<std::uint32_t>(x));
    PixelImage out = Solid(c.to, 1, 99);
    StretchCopy(out, {0, 0, c.to, 1}, ramp, {0, 0, c.from, 1});
    EXPECT_EQ(out.pixels, c.sampled) << c.from << " to " << c.to;
  }
}

TEST(SoftBlit, MagentaFramesLeaveTheDestinationUntouched) {
  PixelImage dst = Solid(6, 6, 0x123456);
  const PixelImage magenta = Solid(4, 4, kTransparentKey);
  BlitTransparent(dst, 1, 1, magenta);
  DrawPieces(dst, 0, 0, magenta, StretchFramePieces({0, 0, 6, 6}, {0, 0, 4, 4}), true);
  for (std::uint32_t p : dst.pixels) EXPECT_EQ(p, 0x123456u);
  // Without transparency the same frame is copied.
  DrawPieces(dst, 0, 0, magenta, StretchFramePieces({0, 0, 6, 6}, {0, 0, 4, 4}), false);
  EXPECT_EQ(dst.At(3, 3), kTransparentKey);
}

TEST(SoftBlit, ComposeFrameKeepsCornersAndStretchesEdges) {
  // A 3 x 3 frame (second of a 2-frame strip) with a distinct colour per cell.
  PixelImage strip = Solid(6, 3, 0);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) strip.Set(3 + x, y, static_cast<std::uint32_t>(1 + y * 3 + x));
  const PixelImage out = ComposeFrame(7, 5, strip, 2, 2, StripLayout::SideBySide, {1, 1, 1, 1}, false);
  ASSERT_EQ(out.width, 7);
  ASSERT_EQ(out.height, 5);
  EXPECT_EQ(out.At(0, 0), 1u);
  EXPECT_EQ(out.At(6, 0), 3u);
  EXPECT_EQ(out.At(0, 4), 7u);
  EXPECT_EQ(out.At(6, 4), 9u);
  for (int x = 1; x < 6; ++x) EXPECT_EQ(out.At(x, 0), 2u);
  for (int y = 1; y < 4; ++y) EXPECT_EQ(out.At(0, y), 4u);
  EXPECT_EQ(out.At(3, 2), 5u);
  EXPECT_TRUE(ComposeFrame(0, 5, strip, 2, 2, StripLayout::SideBySide, {}, false).Empty());
}

TEST(SoftBlit, ThreeSliceAndTileFillTheirArea) {
  PixelImage strip = Solid(4, 2, 0);
  for (int y = 0; y < 2; ++y) {
    strip.Set(0, y, 0xA);
    strip.Set(1, y, 0xB);
    strip.Set(2, y, 0xC);
    strip.Set(3, y, 0xD);
  }
  const PixelImage out = ComposeThreeSlice(7, 2, strip, 1, 1, StripLayout::SideBySide, 1, 1);
  EXPECT_EQ(out.pixels[0], 0xAu);
  EXPECT_EQ(out.pixels[1], 0xBu);
  EXPECT_EQ(out.pixels[2], 0xCu);
  EXPECT_EQ(out.pixels[3], 0xBu);
  EXPECT_EQ(out.pixels[5], 0xBu);
  EXPECT_EQ(out.pixels[6], 0xDu);
  PixelImage dst = Solid(5, 2, 0);
  TileRect(dst, {0, 0, 5, 2}, strip, {1, 0, 3, 1});
  EXPECT_EQ(dst.At(4, 1), 0xBu);
  EXPECT_EQ(dst.At(3, 0), 0xCu);
}

}  // namespace
}  // namespace korvale
