#include "core/SkinRules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/LzhEncoder.h"

namespace korvale {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::int32_t Rgb(int r, int g, int b) { return r | g << 8 | b << 16; }

TEST(SkinColourString, FillsRedGreenBlueInTurn) {
  EXPECT_EQ(ParseSkinColour("70 115 150"), Rgb(70, 115, 150));
  EXPECT_EQ(ParseSkinColour("  236,233,216  "), Rgb(236, 233, 216));
  // The unfinished second number is dropped: only a third one at the end counts.
  EXPECT_EQ(ParseSkinColour("255 128"), Rgb(255, 0, 0));
  EXPECT_EQ(ParseSkinColour("1 2 3 4 5"), Rgb(1, 2, 3));
  EXPECT_EQ(ParseSkinColour("  ,, 10 ;; 20 x"), Rgb(10, 20, 0));
  EXPECT_EQ(ParseSkinColour("300 256 999999999999"), Rgb(300 % 256, 0, 999999999999 % 256));
  EXPECT_EQ(ParseSkinColour("abc"), Rgb(0, 0, 0));
  EXPECT_EQ(ParseSkinColour(""), std::nullopt);
  EXPECT_EQ(ParseSkinColour("   "), std::nullopt);
}

TEST(SkinInteger, DecimalAndBothHexadecimalForms) {
  EXPECT_EQ(ParseSkinInteger("12"), 12);
  EXPECT_EQ(ParseSkinInteger("-3"), -3);
  EXPECT_EQ(ParseSkinInteger("0x1F"), 31);
  EXPECT_EQ(ParseSkinInteger("$1F"), 31);
  EXPECT_EQ(ParseSkinInteger("$"), std::nullopt);
  EXPECT_EQ(ParseSkinInteger("12px"), std::nullopt);
  EXPECT_EQ(ParseSkinInteger(""), std::nullopt);
}

TEST(SkinImageNames, FileNamePartAndExactExtension) {
  EXPECT_EQ(SkinImageEntryName("perfectwhistler2\\mnuframe.bmp"), "mnuframe.bmp");
  EXPECT_EQ(SkinImageEntryName("C:Blue_FrameTop.bmp"), "Blue_FrameTop.bmp");
  EXPECT_EQ(SkinImageEntryName("top.BMP"), std::nullopt);
  EXPECT_EQ(SkinImageEntryName("folder\\"), std::nullopt);
  EXPECT_EQ(SkinImageEntryName("top"), std::nullopt);
  EXPECT_EQ(SkinImageEntryName(""), std::nullopt);
}

TEST(SkinDefinitionName, OnlyANameWindowsTakesForAFile) {
  EXPECT_EQ(SkinDefinitionFileName("perfectwhistler2.ini"), "perfectwhistler2.ini");
  EXPECT_EQ(SkinDefinitionFileName("..\\..\\x.ini"), "x.ini");
  EXPECT_EQ(SkinDefinitionFileName("../../x.ini"), "x.ini");
  EXPECT_EQ(SkinDefinitionFileName("c:x.ini"), "x.ini");
  EXPECT_EQ(SkinDefinitionFileName("console.ini"), "console.ini");
  EXPECT_EQ(SkinDefinitionFileName("com10.ini"), "com10.ini");
  const std::string_view refused[] = {
      "skin\\", "..", "", std::string_view("a\0b.ini", 7), "tab\t.ini", "con", "CON.ini",
      "nul.ini", "Nul .ini", "aux.skin.ini", "com1.ini", "LPT9.ini", "conin$.ini", "a<b.ini",
      "a|b.ini", "a?.ini", "a*.ini", "\"a\".ini", "skin.ini.", "skin.ini "};
  for (const std::string_view name : refused) {
    EXPECT_EQ(SkinDefinitionFileName(name), std::nullopt) << name;
  }
}

TEST(SkinFrameRules, TitleBarButtonsAndCheckStrips) {
  EXPECT_EQ(SysButtonFrameCount(0, 57, 19, 0), 3);
  EXPECT_EQ(SysButtonFrameCount(0, 76, 20, 0), 3) << "exactly 3.8 is still three frames";
  EXPECT_EQ(SysButtonFrameCount(0, 77, 20, 0), 6);
  EXPECT_EQ(SysButtonFrameCount(0, 114, 19, 0), 6);
  EXPECT_EQ(SysButtonFrameCount(0, 0, 0, 0), 6);
  EXPECT_EQ(SysButtonFrameCount(0, 57, 19, -1), 6);
  EXPECT_EQ(SysButtonFrameCount(2, 57, 19, -1), 2);
  EXPECT_EQ(CheckFrameCount(13 * 8, 13), 8);
  EXPECT_EQ(CheckFrameCount(16 * 6, 16), 6);
  EXPECT_EQ(CheckFrameCount(13 * 6, 16), 4);
  EXPECT_EQ(CheckFrameCount(0, 0), 4);
}

TEST(SkinFrameRules, FrameCountsAndMarginsComeIntoRange) {
  struct Case {
    int count, expected;
  };
  for (const Case& c : std::vector<Case>{{-5, 1}, {0, 1}, {1, 1}, {23, 23}, {INT32_MAX, INT32_MAX}})
    EXPECT_EQ(SaneFrameCount(c.count), c.expected) << c.count;

  struct MarginCase {
    FrameMargins given;
    int width, height;
    FrameMargins expected;
  };
  const std::vector<MarginCase> margins = {
      {{5, 9, 5, 6}, 200, 30, {5, 9, 5, 6}},
      {{-3, -1, 0, -7}, 200, 30, {0, 0, 0, 0}},
      {{250, 31, INT32_MAX, 30}, 200, 30, {200, 30, 200, 30}},  // each held to its axis
      {{INT32_MIN, 4, 4, 4}, 0, 0, {0, 0, 0, 0}},               // no image: nothing fixed
  };
  for (const MarginCase& c : margins)
    EXPECT_EQ(SaneMargins(c.given, c.width, c.height), c.expected)
        << c.given.left << "," << c.given.top << "," << c.given.right << "," << c.given.bottom;
}

Bytes Archive(const std::vector<SkinArchiveEntry>& entries) { return BuildSkinArchive(entries); }

TEST(SkinStreamExpansion, ExpandsAndIndexesAStoredSkin) {
  const Bytes archive = Archive({{"Top.bmp", Bytes{'B', 'M', 1}}, {"skin.ini", Bytes{'[', ']'}}});
  const ExpandedSkin skin = ExpandSkinStream(CompressLzh(archive));
  ASSERT_EQ(skin.status, SkinArchiveStatus::Ok) << skin.problem;
  EXPECT_EQ(skin.archive, archive);
  EXPECT_EQ(skin.index.names, (std::vector<std::string>{"Top.bmp", "skin.ini"}));
}

TEST(SkinStreamExpansion, RefusesHostileStreamsWithAReason) {
  Bytes archive = Archive({{"a.bmp", Bytes(10, 'x')}});
  archive[0] = 0x21;  // version 20001
  EXPECT_EQ(ExpandSkinStream(CompressLzh(archive)).status, SkinArchiveStatus::WrongVersion);

  const std::vector<Bytes> hostile = {
      {},
      {1, 2},
      {0xFF, 0xFF, 0xFF, 0xFF, 0},        // negative decoded size
      {0x01, 0x00, 0x00, 0x04, 0},        // 64 MiB + 1
  };
  for (const Bytes& stream : hostile) {
    const ExpandedSkin skin = ExpandSkinStream(stream);
    EXPECT_EQ(skin.status, SkinArchiveStatus::Malformed);
    EXPECT_FALSE(skin.problem.empty());
  }

  // A name list of more than 1,001 names is refused before the names are made.
  std::string list(5000, '\n');
  Bytes many = {0x20, 0x4E, 0, 0};
  const auto length = static_cast<std::uint32_t>(list.size());
  for (int s = 0; s < 32; s += 8) many.push_back(static_cast<std::uint8_t>(length >> s));
  many.resize(16, 0);
  many.insert(many.end(), list.begin(), list.end());
  const ExpandedSkin crowded = ExpandSkinStream(CompressLzh(many));
  EXPECT_EQ(crowded.status, SkinArchiveStatus::Malformed);
  EXPECT_NE(crowded.problem.find("5000"), std::string::npos) << crowded.problem;
}

TEST(SkinStreamExpansion, DropsWhatTheLastMatchCarriesPastTheDeclaredEnd) {
  const Bytes archive = Archive({{"a.bmp", Bytes(3, 'x')}});
  // One literal run, then a match of 10 bytes that ends 6 bytes past the declared size.
  std::vector<LzhToken> tokens;
  for (std::uint8_t b : archive) tokens.push_back({0, b});
  tokens.push_back({10, 1});
  const auto declared = static_cast<std::int32_t>(archive.size() + 4);
  const ExpandedSkin skin = ExpandSkinStream(EncodeLzhTokens(declared, tokens));
  EXPECT_EQ(skin.archive.size(), static_cast<std::size_t>(declared));
}

}  // namespace
}  // namespace korvale
