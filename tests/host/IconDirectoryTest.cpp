#include "core/IconDirectory.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace korvale {
namespace {

// An icon directory with entries {width, depth, size}; the image bodies are zero bytes.
std::vector<std::uint8_t> Directory(const std::vector<std::array<int, 3>>& entries) {
  std::vector<std::uint8_t> out = {0, 0, 1, 0, static_cast<std::uint8_t>(entries.size()), 0};
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
  for (const auto& [width, depth, size] : entries) {
    const std::uint8_t side = static_cast<std::uint8_t>(width >= 256 ? 0 : width);
    const std::uint8_t entry[16] = {side, side, 0, 0, 1, 0, static_cast<std::uint8_t>(depth), 0,
                                    static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8), 0, 0,
                                    static_cast<std::uint8_t>(offset), static_cast<std::uint8_t>(offset >> 8), 0, 0};
    out.insert(out.end(), entry, entry + 16);
    offset += size;
  }
  out.resize(offset);
  return out;
}

TEST(IconDirectory, PicksTheNearestSizeAndTheDeeperImageOnATie) {
  const auto file = Directory({{16, 32, 40}, {32, 8, 50}, {32, 32, 60}, {48, 32, 70}});
  const auto small = PickIconImage(file.data(), file.size(), 16);
  ASSERT_TRUE(small);
  EXPECT_EQ(small->width, 16);
  EXPECT_EQ(small->offset, 6u + 4 * 16);
  EXPECT_EQ(small->size, 40u);
  const auto large = PickIconImage(file.data(), file.size(), 32);
  ASSERT_TRUE(large);
  EXPECT_EQ(large->size, 60u);  // 32 bits beats 8 bits
  EXPECT_EQ(PickIconImage(file.data(), file.size(), 256)->width, 48);
  const auto huge = Directory({{256, 32, 20}});
  EXPECT_EQ(PickIconImage(huge.data(), huge.size(), 16)->width, 256);
}

TEST(IconDirectory, RejectsWhatIsNotAnIconOrLiesOutsideTheFile) {
  const auto good = Directory({{16, 32, 40}});
  EXPECT_FALSE(PickIconImage(nullptr, 0, 16));
  for (std::size_t cut = 0; cut < good.size(); ++cut) {
    EXPECT_FALSE(PickIconImage(good.data(), cut, 16)) << "cut at " << cut;
  }
  auto cursor = good;
  cursor[2] = 2;
  EXPECT_FALSE(PickIconImage(cursor.data(), cursor.size(), 16));
  auto none = good;
  none[4] = 0;
  EXPECT_FALSE(PickIconImage(none.data(), none.size(), 16));
  auto farOffset = good;
  farOffset[6 + 15] = 0xFF;  // an offset far past the end
  EXPECT_FALSE(PickIconImage(farOffset.data(), farOffset.size(), 16));
  // A broken entry is skipped in favour of one that fits.
  auto mixed = Directory({{16, 32, 40}, {32, 32, 40}});
  mixed[6 + 8] = 0xFF;
  mixed[6 + 9] = 0xFF;
  const auto picked = PickIconImage(mixed.data(), mixed.size(), 16);
  ASSERT_TRUE(picked);
  EXPECT_EQ(picked->width, 32);
}

}  // namespace
}  // namespace korvale
