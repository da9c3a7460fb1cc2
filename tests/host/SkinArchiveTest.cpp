#include "core/SkinArchive.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Lzh.h"
#include "core/LzhEncoder.h"

namespace korvale {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes FromText(const std::string& text) { return Bytes(text.begin(), text.end()); }

void Put32(Bytes& out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int s = 0; s < 32; s += 8) out.push_back(static_cast<std::uint8_t>(bits >> s));
}

// An archive written field by field, so that tests can break any one of them.
Bytes RawArchive(std::int32_t version, const std::string& list, std::int32_t listLength,
                 const std::vector<std::int32_t>& sizes, const std::string& data) {
  Bytes out;
  Put32(out, version);
  Put32(out, listLength);
  Put32(out, 0x1234);
  Put32(out, -5);
  out.insert(out.end(), list.begin(), list.end());
  for (std::int32_t size : sizes) Put32(out, size);
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

TEST(SkinArchiveWriter, WritesHeaderNamesSizesAndEntriesInOrder) {
  const std::vector<SkinArchiveEntry> entries = {{"Top.bmp", FromText("BMxy")},
                                                 {"skin.ini", FromText("[a]")}};
  const Bytes archive = BuildSkinArchive(entries, 7, -1);
  Bytes expected;
  Put32(expected, 20000);
  Put32(expected, 19);  // "Top.bmp\r\nskin.ini\r\n"
  Put32(expected, 7);
  Put32(expected, -1);
  const std::string list = "Top.bmp\r\nskin.ini\r\n";
  expected.insert(expected.end(), list.begin(), list.end());
  Put32(expected, 4);
  Put32(expected, 3);
  const std::string data = "BMxy[a]";
  expected.insert(expected.end(), data.begin(), data.end());
  EXPECT_EQ(archive, expected);
}

TEST(SkinArchiveWriter, RefusesWhatTheFormatCannotHold) {
  EXPECT_THROW(BuildSkinArchive({{"", {}}}), SkinArchiveError);
  EXPECT_THROW(BuildSkinArchive({{"a\r\nb", {}}}), SkinArchiveError);
  EXPECT_THROW(BuildSkinArchive({{"a\nb", {}}}), SkinArchiveError);
  std::vector<SkinArchiveEntry> many(kSkinArchiveMaxEntries + 1);
  for (std::size_t i = 0; i < many.size(); ++i) many[i].name = "e" + std::to_string(i);
  EXPECT_THROW(BuildSkinArchive(many), SkinArchiveError);
  many.pop_back();
  EXPECT_EQ(ParseSkinArchive(BuildSkinArchive(many)).names.size(), kSkinArchiveMaxEntries);
}

TEST(SkinArchiveNames, SplitAtEveryKindOfLineBreak) {
  using Names = std::vector<std::string>;
  EXPECT_EQ(SplitSkinNameList("a.bmp\r\nb.bmp\r\n"), (Names{"a.bmp", "b.bmp"}));
  EXPECT_EQ(SplitSkinNameList("a\nb\rc\r\nd"), (Names{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitSkinNameList("a\r\n\r\nb"), (Names{"a", "", "b"}));
  EXPECT_EQ(SplitSkinNameList("a\n\r"), (Names{"a", ""}));
  EXPECT_EQ(SplitSkinNameList(""), Names{});
  EXPECT_EQ(SplitSkinNameList("\r\n"), Names{""});
}

TEST(SkinArchiveReader, IndexesWhatTheWriterWrote) {
  const std::vector<SkinArchiveEntry> entries = {
      {"Top.bmp", FromText("BM1")}, {"empty.bmp", {}}, {"Top.bmp", FromText("BM22")},
      {"skin.ini", FromText("[Personality]")}};
  const Bytes archive = BuildSkinArchive(entries, 3, 4);
  const SkinArchiveIndex index = ParseSkinArchive(archive);
  ASSERT_EQ(index.status, SkinArchiveStatus::Ok) << index.problem;
  EXPECT_EQ(index.version, 20000);
  EXPECT_EQ(index.reserved1, 3);
  EXPECT_EQ(index.reserved2, 4);
  ASSERT_EQ(index.names.size(), entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(index.names[i], entries[i].name);
    const auto bytes = SkinArchiveEntryBytes(archive, index, i);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), entries[i].data);
  }
  EXPECT_EQ(index.offsets, (std::vector<std::size_t>{0, 3, 3, 7}));
}

TEST(SkinArchiveReader, BytesBehindTheLastEntryAreIgnored) {
  // A last match may carry the decoder past the declared size.
  const Bytes archive = RawArchive(20000, "a\r\n", 3, {2}, "xyTRAILING");
  const SkinArchiveIndex index = ParseSkinArchive(archive);
  ASSERT_EQ(index.status, SkinArchiveStatus::Ok) << index.problem;
  EXPECT_EQ(index.dataSize, 10u);
  EXPECT_EQ(SkinArchiveEntryBytes(archive, index, 0).size(), 2u);
}

TEST(SkinArchiveReader, ChecksTheVersionFirst) {
  const SkinArchiveIndex older = ParseSkinArchive(RawArchive(19999, "a\r\n", 999, {-1}, ""));
  EXPECT_EQ(older.status, SkinArchiveStatus::WrongVersion);
  EXPECT_EQ(older.version, 19999);
  EXPECT_EQ(ParseSkinArchive(Bytes{0x20, 0x4E, 0, 0}).status, SkinArchiveStatus::Malformed);
  EXPECT_EQ(ParseSkinArchive(Bytes{0x20, 0x4E}).status, SkinArchiveStatus::Malformed);
}

TEST(SkinArchiveReader, RefusesMalformedArchives) {
  std::string list;
  std::vector<std::int32_t> sizes;
  for (std::size_t i = 0; i <= kSkinArchiveMaxEntries; ++i) {
    list += "n" + std::to_string(i) + "\n";
    sizes.push_back(0);
  }
  struct Case {
    const char* why;
    Bytes archive;
  };
  const Case cases[] = {
      {"name list longer than the archive", RawArchive(20000, "a\r\n", 4, {}, "")},
      {"negative name list length", RawArchive(20000, "", -1, {}, "")},
      {"size table cut short", RawArchive(20000, "a\r\nb\r\n", 6, {1}, "")},
      {"negative size", RawArchive(20000, "a\r\n", 3, {-1}, "x")},
      {"entry past the data", RawArchive(20000, "a\r\nb\r\n", 6, {1, 2}, "xy")},
      {"sizes that overflow together",
       RawArchive(20000, "a\r\nb\r\n", 6, {0x7FFFFFFF, 0x7FFFFFFF}, "xy")},
      {"more than 1,001 entries",
       RawArchive(20000, list, static_cast<std::int32_t>(list.size()), sizes, "")},
  };
  for (const Case& c : cases) {
    const SkinArchiveIndex index = ParseSkinArchive(c.archive);
    EXPECT_EQ(index.status, SkinArchiveStatus::Malformed) << c.why;
    EXPECT_FALSE(index.problem.empty()) << c.why;
    EXPECT_TRUE(index.names.empty()) << c.why;
  }
  list.resize(list.find("n1001"));
  sizes.pop_back();
  EXPECT_EQ(ParseSkinArchive(RawArchive(20000, list, static_cast<std::int32_t>(list.size()),
                                        sizes, ""))
                .status,
            SkinArchiveStatus::Ok);
}

TEST(SkinArchiveReader, CompressedArchiveStartsWithTheVersion) {
  const Bytes archive = BuildSkinArchive({{"a.bmp", Bytes(3000, 7)}, {"skin.ini", FromText("[x]")}});
  const Bytes stream = CompressLzh(archive);
  const Bytes expanded = ExpandLzhStream(stream);
  EXPECT_EQ(LzhDeclaredSize(stream), static_cast<std::int32_t>(archive.size()));
  EXPECT_EQ(expanded, archive);
  EXPECT_EQ(ParseSkinArchive(expanded).status, SkinArchiveStatus::Ok);
}

}  // namespace
}  // namespace korvale
