#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <unistd.h>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/LittleEndian.h"
#include "core/MemoryStream.h"
#include "core/StringList.h"

namespace korvale {
namespace {

std::vector<std::string> Items(const TStringList& list) { return {list.begin(), list.end()}; }

TEST(LittleEndian, LowByteFirstAtEveryWidthWithoutSignExtension) {
  constexpr std::uint8_t bytes[] = {0x81, 0x92, 0xA3, 0xB4, 0xC5, 0xD6, 0xE7, 0xF8};
  EXPECT_EQ(ReadLe16(bytes), 0x9281u);
  EXPECT_EQ(ReadLe24(bytes), 0xA39281u);
  EXPECT_EQ(ReadLe32(bytes), 0xB4A39281u);
  EXPECT_EQ(ReadLe64(bytes), 0xF8E7D6C5B4A39281ull);
}

TEST(StringList, EditsKeepOrderAndCheckBounds) {
  TStringList list;
  EXPECT_EQ(list.Add("b"), 0);
  EXPECT_EQ(list.Add("d"), 1);
  list.Insert(0, "a");
  list.Insert(2, "c");
  list.Insert(4, "e");
  EXPECT_EQ(Items(list), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
  list.Delete(4);
  list.Delete(0);
  list[0] = "B";
  EXPECT_EQ(Items(list), (std::vector<std::string>{"B", "c", "d"}));
  EXPECT_EQ(list.IndexOf("c"), 1);
  EXPECT_EQ(list.IndexOf("b"), -1) << "IndexOf is case-sensitive";
  EXPECT_EQ(list.IndexOf("B"), 0);

  EXPECT_THROW(list.Strings(3), std::out_of_range);
  EXPECT_THROW(list.Strings(-1), std::out_of_range);
  EXPECT_THROW(list.Insert(4, "x"), std::out_of_range);
  EXPECT_THROW(list.Delete(3), std::out_of_range);
  try {
    list.Delete(7);
    ADD_FAILURE() << "no exception";
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (7)");
  }
  EXPECT_EQ(list.Count(), 3);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, TextSplitsAtEveryLineBreak) {
  struct Case {
    const char* text;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
      {"\r\n", {""}},
      {"\r\n\r\nx", {"", "", "x"}},
      {"a\n\r", {"a", ""}},
      {"a\r\r\n", {"a", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TStringList list;
    list.Add("old");
    list.SetText(c.text);
    EXPECT_EQ(Items(list), c.lines);
  }
  TStringList list;
  list.SetText("\r\nfirst\nsecond");
  EXPECT_EQ(list.Text(), "\r\nfirst\r\nsecond\r\n");
  TStringList again;
  again.SetText(list.Text());
  EXPECT_EQ(again, list);
}

std::string Read(TMemoryStream& s, std::size_t n) {
  std::string out(n, '\0');
  out.resize(s.Read(out.data(), n));
  return out;
}

TEST(MemoryStream, ReadsShortAndSeeksPastTheEnd) {
  TMemoryStream s;
  s.Write("hello", 5);
  EXPECT_EQ(s.Position(), 5);
  EXPECT_EQ(s.Seek(1, TSeekOrigin::soBeginning), 1);
  EXPECT_EQ(Read(s, 3), "ell");
  EXPECT_EQ(Read(s, 10), "o") << "a read at the end is short";
  EXPECT_EQ(Read(s, 10), "");

  EXPECT_EQ(s.Seek(3, TSeekOrigin::soEnd), 8);
  EXPECT_EQ(Read(s, 1), "") << "nothing to read past the end";
  s.Write("!", 1);
  EXPECT_EQ(s.Size(), 9);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(s.Memory()), 9), std::string("hello\0\0\0!", 9));

  EXPECT_EQ(s.Seek(-2, TSeekOrigin::soCurrent), 7);
  EXPECT_THROW(s.Seek(-8, TSeekOrigin::soCurrent), std::out_of_range);
  EXPECT_THROW(s.Seek(-10, TSeekOrigin::soEnd), std::out_of_range);
  EXPECT_EQ(s.Position(), 7) << "a refused seek leaves the position";

  s.SetPosition(1);
  s.Write("EL", 2);
  EXPECT_EQ(s.Size(), 9) << "overwriting inside does not grow";
  s.SetSize(2);
  EXPECT_EQ(s.Position(), 2) << "a cut moves the position back to the end";
  s.SetSize(4);
  EXPECT_EQ(s.Bytes(), (std::vector<std::uint8_t>{'h', 'E', 0, 0}));
  s.Clear();
  EXPECT_EQ(s.Size(), 0);
  EXPECT_EQ(s.Position(), 0);
}

TEST(MemoryStream, CopyFromWholeOrCounted) {
  TMemoryStream source;
  source.Write("abcdef", 6);
  source.SetPosition(4);
  TMemoryStream target;
  EXPECT_EQ(target.CopyFrom(source, 0), 6u) << "count 0 copies the whole source";
  EXPECT_EQ(source.Position(), 6);
  source.SetPosition(2);
  EXPECT_EQ(target.CopyFrom(source, 3), 3u);
  EXPECT_EQ(target.CopyFrom(source, 9), 1u) << "a short source copies what it has";
  target.SetPosition(0);
  EXPECT_EQ(Read(target, 20), "abcdefcdef");
  EXPECT_THROW(target.CopyFrom(target, 0), std::invalid_argument);
}

TEST(MemoryStream, FilesRoundTrip) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("korvale-stream-" + std::to_string(::getpid()));
  TMemoryStream s;
  const std::uint8_t bytes[] = {0, 1, 0xFF, '\r', '\n', 0x1A};
  s.Write(bytes, sizeof bytes);
  ASSERT_TRUE(s.SaveToFile(path.string()));
  TMemoryStream loaded;
  loaded.Write("x", 1);
  ASSERT_TRUE(loaded.LoadFromFile(path.string()));
  EXPECT_EQ(loaded.Bytes(), s.Bytes());
  EXPECT_EQ(loaded.Position(), 0);
  std::filesystem::remove(path);

  EXPECT_FALSE(loaded.LoadFromFile(path.string()));
  EXPECT_EQ(loaded.Bytes(), s.Bytes()) << "a failed load changes nothing";
  EXPECT_FALSE(s.SaveToFile((path / "missing-folder" / "f.bin").string()));
}

}  // namespace
}  // namespace korvale
