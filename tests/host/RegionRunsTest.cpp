#include "core/RegionRuns.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace korvale {
namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

PixelImage Row(const std::vector<std::uint32_t>& pixels) {
  PixelImage image;
  image.Resize(static_cast<int>(pixels.size()), 1);
  image.pixels = pixels;
  return image;
}

TEST(RegionRuns, KeyRangeRunsUpwardPerChannelUpTo255) {
  struct Case {
    std::uint32_t pixel;
    bool inRange;
  };
  const ChannelTolerance one{1, 1, 1};
  const std::vector<Case> cases = {
      {0xFF00FF, true},  {0xFF01FF, true},   // green 0 to 1 is key
      {0xFF02FF, false},                     // green 2 is kept
      {0xFE00FF, false}, {0xFF00FE, false},  // the range runs up from the key, never down
      {0x000000, false}, {0xFFFFFF, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(InKeyRange(c.pixel, kMagenta, one), c.inRange) << std::hex << c.pixel;
  // Tolerances are per channel and stop at 255.
  EXPECT_TRUE(InKeyRange(0x102030, 0x0F1E2A, {1, 2, 6}));
  EXPECT_FALSE(InKeyRange(0x102030, 0x0F1E2A, {1, 2, 5}));
  EXPECT_TRUE(InKeyRange(0xFFFFFF, 0xF0F0F0, {200, 200, 200}));
}

TEST(RegionRuns, RowsBecomeRunsOutsideTheKeyMovedByTheOffset) {
  const std::uint32_t k = kMagenta;
  const std::uint32_t o = 0x102030;
  PixelImage image;
  image.Resize(6, 3, k);
  // Row 0: two runs, one at the row's end. Row 1: all key. Row 2: one run over the row.
  const std::vector<std::uint32_t> rows[] = {{o, o, k, k, o, o}, {k, k, k, k, k, k},
                                             {o, 0xFF01FF, 0xFF02FF, o, o, o}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 6; ++x) image.Set(x, y, rows[y][x]);
  const std::vector<PixelRect> expected = {
      {10, 20, 12, 21}, {14, 20, 16, 21}, {10, 22, 11, 23}, {12, 22, 16, 23}};
  EXPECT_EQ(OpaqueRuns(image, k, {1, 1, 1}, 10, 20), expected);
  EXPECT_TRUE(OpaqueRuns(Row({k, k, 0xFF01FF}), k, {1, 1, 1}, 0, 0).empty());
  EXPECT_TRUE(OpaqueRuns(PixelImage{}, k, {}, 0, 0).empty());
}

}  // namespace
}  // namespace korvale
