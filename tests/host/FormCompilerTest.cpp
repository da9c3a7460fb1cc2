// Runs the real formc found beside the test program.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace korvale {
namespace {

namespace fs = std::filesystem;

class FormCompiler : public ::testing::Test {
 protected:
  void SetUp() override {
    tool_ = fs::read_symlink("/proc/self/exe").parent_path() / "formc";
    if (!fs::exists(tool_)) GTEST_SKIP() << "formc is not built beside the tests";
    dir_ = fs::temp_directory_path() / ("korvale-formc-" + std::to_string(::getpid()));
    fs::create_directories(dir_ / "skins");
  }
  void TearDown() override {
    std::error_code ignored;
    if (!dir_.empty()) fs::remove_all(dir_, ignored);
  }

  void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }

  // Runs formc with the arguments; returns the exit code, output and errors in files.
  int Run(const std::string& args) {
    const std::string command = "'" + tool_.string() + "' " + args + " >'" + Out().string() +
                                "' 2>'" + Err().string() + "'";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  fs::path Out() const { return dir_ / "stdout.txt"; }
  fs::path Err() const { return dir_ / "stderr.txt"; }
  std::string Path(const char* name) const { return "'" + (dir_ / name).string() + "'"; }

  fs::path tool_;
  fs::path dir_;
};

TEST_F(FormCompiler, CompilesDumpsAndRecompilesIdentically) {
  WriteFile(dir_ / "skins" / "blue.skn", std::string("\x01\x02\x00\xFF", 4));
  WriteFile(dir_ / "main.form",
            "object Form1: TForm1\n"
            "  Caption = 'Korvale'#13#10\n"
            "  SkinStream = {file 'skins/blue.skn'}\n"
            "  object Button1: TButton\n"
            "  end\n"
            "end\n");
  ASSERT_EQ(Run(Path("main.form") + " " + Path("main.bin")), 0) << ReadFile(Err());
  ASSERT_EQ(Run("--dump " + Path("main.bin")), 0) << ReadFile(Err());
  const std::string dumped = ReadFile(Out());
  EXPECT_NE(dumped.find("  SkinStream = {010200FF}\n"), std::string::npos) << dumped;
  WriteFile(dir_ / "again.form", dumped);
  fs::create_directories(dir_ / "elsewhere");
  ASSERT_EQ(Run(Path("again.form") + " " + Path("again.bin") + " --base " + Path("elsewhere")), 0);
  EXPECT_EQ(ReadFile(dir_ / "again.bin"), ReadFile(dir_ / "main.bin"));

  // The base folder decides where file values are found.
  EXPECT_EQ(Run(Path("main.form") + " " + Path("other.bin") + " --base " + Path("elsewhere")), 1);
  EXPECT_NE(ReadFile(Err()).find("line 3, column 16: cannot open"), std::string::npos)
      << ReadFile(Err());
  EXPECT_FALSE(fs::exists(dir_ / "other.bin"));
}

TEST_F(FormCompiler, ReportsErrorsWithExitCodes) {
  WriteFile(dir_ / "bad.form", "object Form1: TForm1\n  Left 5\nend\n");
  EXPECT_EQ(Run(Path("bad.form") + " " + Path("bad.bin")), 1);
  EXPECT_EQ(ReadFile(Err()), (dir_ / "bad.form").string() +
                                 ": line 2, column 8: expected '=' after property name 'Left', "
                                 "found a number\n");
  EXPECT_FALSE(fs::exists(dir_ / "bad.bin"));

  WriteFile(dir_ / "junk.bin", "KFRM\x02");
  EXPECT_EQ(Run("--dump " + Path("junk.bin")), 1);
  EXPECT_NE(ReadFile(Err()).find("form stream: a stream of 5 bytes has no header"),
            std::string::npos);
  EXPECT_EQ(Run("--dump " + Path("absent.bin")), 1);
  EXPECT_NE(ReadFile(Err()).find("cannot open"), std::string::npos);

  EXPECT_EQ(Run(""), 2);
  EXPECT_EQ(Run(Path("bad.form")), 2);
  EXPECT_EQ(Run(Path("bad.form") + " x.bin --bogus y"), 2);
  EXPECT_NE(ReadFile(Err()).find("usage: formc"), std::string::npos);
}

}  // namespace
}  // namespace korvale
