// The bounded log and the writing of its two files.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/BoundedLog.h"
#include "core/LogFileWriter.h"
#include "core/StringList.h"

namespace korvale {
namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  TStringList list;
  list.SetText(text);
  return {list.begin(), list.end()};
}

TEST(BoundedLog, KeepsTheNewestWithinTheLimitAndEveryFallenLineInOrder) {
  BoundedLog log(300);
  std::vector<std::string> written;
  std::string fallen;
  for (int i = 0; i < 1000; ++i) {
    written.push_back("line " + std::to_string(i) + std::string(static_cast<std::size_t>(i % 37), '.'));
    log.Prepend(written.back());
    ASSERT_LE(log.Size(), log.Limit());
    ASSERT_EQ(log.Text().size(), log.Size());
    if (i % 7 == 0) fallen += log.TakeFallen();
  }
  fallen += log.TakeFallen();
  std::vector<std::string> all = SplitLines(fallen);
  const std::vector<std::string> kept = SplitLines(log.FileText());
  EXPECT_GT(log.Size() + 50, log.Limit()) << "the log fills up to its limit";
  all.insert(all.end(), kept.rbegin(), kept.rend());
  EXPECT_EQ(all, written);
}

TEST(BoundedLog, TextEditedByHandIsSplitAtEveryBreakAndTrimmedLikeStatusLines) {
  const struct {
    const char* text;
    std::size_t limit;
    const char* kept;
    const char* file;
    const char* fallen;
  } cases[] = {
      {"", 10, "", "", ""},
      {"ab", 10, "ab", "ab\r\n", ""},
      {"a\r\n\r\n", 10, "a\r\n\r\n", "a\r\n\r\n", ""},
      {"a\nb\rc", 10, "a\nb\rc", "a\r\nb\r\nc\r\n", ""},
      {"new\r\nmid\r\nold", 10, "new\r\nmid\r\n", "new\r\nmid\r\n", "old\r\n"},
      {"new\nmid\r\nold\r\n", 9, "new\nmid\r\n", "new\r\nmid\r\n", "old\r\n"},
      {"a line longer than the limit\r\nx", 4, "a line longer than the limit\r\n",
       "a line longer than the limit\r\n", "x\r\n"},
  };
  for (const auto& c : cases) {
    BoundedLog log(c.limit);
    log.Assign(c.text);
    EXPECT_EQ(log.Text(), c.kept) << c.text;
    EXPECT_EQ(log.Size(), std::string(c.kept).size()) << c.text;
    EXPECT_EQ(log.FileText(), c.file) << c.text;
    EXPECT_EQ(log.TakeFallen(), c.fallen) << c.text;
  }
}

// Files that record every call and fail on request.
struct RecordingFiles : LogFiles {
  void AppendOld(const std::string& lines) override {
    if (failOld) throw std::runtime_error("old");
    calls.push_back("old " + lines);
  }
  void RewriteCurrent(const std::string& text) override {
    if (failCurrent) throw std::runtime_error("current");
    calls.push_back("current " + text);
  }
  bool failOld = false;
  bool failCurrent = false;
  std::vector<std::string> calls;
};

TEST(LogFileWriter, WritesAtOnceAfterAQuietPeriodAndOnceAPeriodDuringABurst) {
  RecordingFiles files;
  LogFileWriter writer(files, 1000);
  EXPECT_EQ(writer.DueIn(0), std::nullopt);
  writer.Changed();
  ASSERT_EQ(writer.DueIn(0), 0);
  writer.Write("a", 0);
  writer.Changed();
  EXPECT_EQ(writer.DueIn(100), 900);
  writer.Changed();
  EXPECT_EQ(writer.DueIn(400), 600);
  EXPECT_EQ(writer.DueIn(1200), 0);
  writer.Write("b", 1200);
  EXPECT_EQ(writer.DueIn(1300), std::nullopt);
  writer.Changed();
  EXPECT_EQ(writer.DueIn(2200), 0);
  EXPECT_EQ(files.calls, (std::vector<std::string>{"current a", "current b"}));
}

TEST(LogFileWriter, AFailureIsRaisedOncePerEpisodeAndNoOldLineIsLost) {
  RecordingFiles files;
  LogFileWriter writer(files, 0);
  writer.Retire("1\r\n");
  files.failOld = true;
  EXPECT_THROW(writer.Write("x", 0), std::runtime_error);
  EXPECT_TRUE(writer.Failing());
  writer.Retire("2\r\n");
  files.failOld = false;
  files.failCurrent = true;
  EXPECT_NO_THROW(writer.Write("y", 1)) << "the failure has been reported";
  files.failCurrent = false;
  writer.Write("z", 2);
  EXPECT_FALSE(writer.Failing());
  files.failCurrent = true;
  EXPECT_THROW(writer.Write("w", 3), std::runtime_error) << "a new failure after a success";
  EXPECT_EQ(files.calls, (std::vector<std::string>{"old 1\r\n2\r\n", "current z"}));
}

}  // namespace
}  // namespace korvale
