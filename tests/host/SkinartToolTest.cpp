// Runs the skin painter the build made: its output must not depend on anything but the
// code, and bad arguments must end with a message, not a crash.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace korvale {
namespace {

namespace fs = std::filesystem;

fs::path Bin() { return fs::read_symlink("/proc/self/exe").parent_path(); }
fs::path Build() { return Bin().parent_path(); }

std::vector<char> Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

struct ToolRun {
  int status;
  std::string output;
};

ToolRun Skinart(const std::string& args) {
  const std::string command = (Bin() / "skinart").string() + " " + args + " 2>&1";
  ToolRun run{-1, ""};
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[512];
  while (fgets(buffer, sizeof buffer, pipe)) run.output += buffer;
  run.status = pclose(pipe);
  return run;
}

class SkinartTool : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::exists(Bin() / "skinart"));
    scratch_ = fs::temp_directory_path() / ("skinart-test-" + std::to_string(::getpid()));
    fs::remove_all(scratch_);
    fs::create_directories(scratch_);
  }
  void TearDown() override { fs::remove_all(scratch_); }
  fs::path scratch_;
};

TEST_F(SkinartTool, PaintsTheSameBytesEveryTime) {
  // The build's copy of the definition is an exact copy of the source.
  const fs::path built = Build() / "skins" / "XP1";
  ASSERT_TRUE(fs::exists(built / "xpblue.ini"));
  fs::create_directories(scratch_ / "src");
  fs::copy_file(built / "xpblue.ini", scratch_ / "src" / "xpblue.ini");
  ASSERT_EQ(Skinart("skin XP1 " + (scratch_ / "src").string() + " " + (scratch_ / "out").string()).status, 0);
  size_t compared = 0;
  for (const auto& entry : fs::directory_iterator(built)) {
    EXPECT_EQ(Bytes(entry.path()), Bytes(scratch_ / "out" / entry.path().filename())) << entry.path().filename();
    ++compared;
  }
  EXPECT_GT(compared, 30u);
}

TEST_F(SkinartTool, PreviewIsAPngOfTheMockDesktop) {
  const fs::path png = scratch_ / "preview.png";
  ASSERT_EQ(Skinart("preview " + (Build() / "skins" / "Whistler").string() + " " + png.string()).status, 0);
  const auto bytes = Bytes(png);
  ASSERT_GT(bytes.size(), 33u);
  EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 4), "PNG");
  EXPECT_EQ(std::string(bytes.begin() + 12, bytes.begin() + 16), "IHDR");
  auto be32 = [&](size_t at) {
    return (static_cast<unsigned char>(bytes[at]) << 24) | (static_cast<unsigned char>(bytes[at + 1]) << 16) |
           (static_cast<unsigned char>(bytes[at + 2]) << 8) | static_cast<unsigned char>(bytes[at + 3]);
  };
  EXPECT_EQ(be32(16), 760);
  EXPECT_EQ(be32(20), 520);
  // Uncompressed RGB rows: one filter byte and three bytes per pixel, plus framing.
  EXPECT_GT(bytes.size(), 520u * (1 + 760 * 3));
}

TEST_F(SkinartTool, BadInputEndsWithAMessage) {
  struct Case {
    std::string args;
    std::string message;
  };
  fs::create_directories(scratch_ / "empty");
  fs::create_directories(scratch_ / "wrong");
  std::ofstream(scratch_ / "wrong" / "w.ini") << "[Personality]\nTop=nothing.bmp\n";
  const std::vector<Case> cases = {
      {"", "usage"},
      {"skin Nope " + scratch_.string() + " " + (scratch_ / "o").string(), "no skin named"},
      {"skin XP1 " + (scratch_ / "empty").string() + " " + (scratch_ / "o").string(), "no definition"},
      {"skin XP1 " + (scratch_ / "wrong").string() + " " + (scratch_ / "o").string(), "nothing.bmp"},
      {"preview " + (scratch_ / "missing").string() + " " + (scratch_ / "p.png").string(), "no skin definition"},
      {"preview " + (Build() / "skins" / "Blue").string() + " /proc/none/p.png", "cannot write"},
  };
  for (const Case& c : cases) {
    const ToolRun run = Skinart(c.args);
    EXPECT_NE(run.status, 0) << c.args;
    EXPECT_NE(run.output.find(c.message), std::string::npos) << c.args << ": " << run.output;
    EXPECT_EQ(run.output.find("runtime error"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("AddressSanitizer"), std::string::npos) << run.output;
  }
  // A definition whose images are broken or absent still previews: those parts are skipped.
  fs::create_directories(scratch_ / "broken");
  std::ofstream(scratch_ / "broken" / "b.ini")
      << "[Personality]\nTop=top.bmp\nTopFrame=0\n[Buttons]\nCheckButton=c.bmp\nCheckButtonFrame=0\n"
         "[Button0]\nButtonImage=c.bmp\nframe=-2\n";
  std::ofstream(scratch_ / "broken" / "top.bmp") << "BM not really";
  std::ofstream(scratch_ / "broken" / "c.bmp") << "";
  EXPECT_EQ(Skinart("preview " + (scratch_ / "broken").string() + " " + (scratch_ / "b.png").string()).status, 0);
}

}  // namespace
}  // namespace korvale
