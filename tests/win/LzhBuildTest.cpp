// The codec as the Windows build compiles it: the same streams decode to the same bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/Lzh.h"
#include "core/LzhEncoder.h"
#include "core/SkinArchive.h"

namespace korvale {
namespace {

TEST(LzhWindowsBuild, ArchiveRoundTripsAndBothPathsAgree) {
  std::vector<std::uint8_t> picture = {'B', 'M'};
  for (int i = 0; i < 30000; ++i) picture.push_back(static_cast<std::uint8_t>(i % 251 < 200 ? 0xC0 : i));
  const std::string ini = "[Personality]\r\nTop=top.bmp\r\n";
  const std::vector<std::uint8_t> archive = BuildSkinArchive(
      {{"top.bmp", picture}, {"skin.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())}});
  const std::vector<std::uint8_t> stream = CompressLzh(archive);
  EXPECT_EQ(ExpandLzhStream(stream), archive);

  std::vector<std::uint8_t> bytewise;
  std::vector<std::uint8_t> unused;
  TLZH lzh(std::span<const std::uint8_t>(stream).subspan(4), unused);
  lzh.Decode(LzhDeclaredSize(stream), lzh.StreamReader(),
             [&](std::uint8_t byte) { bytewise.push_back(byte); });
  EXPECT_EQ(bytewise, archive);
  EXPECT_EQ(ParseSkinArchive(bytewise).status, SkinArchiveStatus::Ok);
}

}  // namespace
}  // namespace korvale
