#include "toolkit/IniFile.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/AsciiText.h"
#include "core/IniText.h"
#include "core/IniValues.h"

#include "toolkit/Exception.h"
#include "tests/support/WinTestSupport.h"

namespace korvale::testing {
namespace {

TEST(IniFile, ReadsValuesWithTheirDefaults) {
  TempFolder folder;
  folder.Write("k.ini",
               "[LoginServer]\r\nAddress=\r\nPort=0x1AF4\r\nChecked=0\r\n"
               "[CharServer]\r\nPort=abc\r\nChecked=7\r\n[General]\r\nRate=3000\r\n");
  TIniFile ini(folder.File("k.ini"));
  EXPECT_EQ(ini.ReadString("LoginServer", "Address", "192.168.0.2"), "");
  EXPECT_EQ(ini.ReadString("CharServer", "Address", "192.168.0.2"), "192.168.0.2");
  EXPECT_EQ(ini.ReadInteger("LoginServer", "Port", 1), 6900);
  EXPECT_EQ(ini.ReadInteger("CharServer", "Port", 6121), 6121);
  EXPECT_EQ(ini.ReadInteger("General", "Rate", 5000), 3000);
  EXPECT_FALSE(ini.ReadBool("LoginServer", "Checked", true));
  EXPECT_TRUE(ini.ReadBool("CharServer", "Checked", false));
  EXPECT_TRUE(ini.ReadBool("MapServer", "Checked", true));
  EXPECT_TRUE(ini.ValueExists("LoginServer", "Address"));
  EXPECT_FALSE(ini.ValueExists("CharServer", "Address"));
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"LoginServer", "CharServer", "General"}));
  EXPECT_EQ(ini.ReadSection("LoginServer"),
            (std::vector<std::string>{"Address", "Port", "Checked"}));
}

// The text read in memory lists the sections and their entries as the system's profile
// functions list them from the same file, and each listed entry, split, answers as a read of
// that key alone does: blanks, quotes, repeated keys and sections, lines without "=",
// comments, stray text before the first section, headers without "]", bare carriage returns;
// in ANSI, in UTF-8 after its mark and in UTF-16 after its mark.
TEST(IniFile, TextReadInMemoryAnswersAsTheProfileFunctions) {
  const std::string ansi =
      "stray=before\r\n[Frame]\r\n  Image = frame.bmp  \r\nTile=\"1\"\r\nName='a b'\r\nHalf=\"x\r\nOne=\"\r\n"
      "Empty=\"\"\r\nBare\r\nImage=second.bmp\r\nmixedCase=7\r\n;Note=ignored\r\n\r\n  \t \r\n"
      "[Broken\r\n\tTabbed\t=\tv\t\r\n[frame]\r\nExtra=1\r\n[ Spaced ] trailing\n"
      "Key = a = b\rCr=only\n[]\nInEmpty=1\n[Last]]\nEnd=\n=nameless\x1a";
  std::string utf16 = "\xFF\xFE";
  for (const char c : ansi) utf16 += {c, '\0'};
  for (const std::string& text : {ansi, "\xEF\xBB\xBF" + ansi, utf16}) {
    TempFolder folder;
    folder.Write("d.ini", text);
    const TIniFile ini(folder.File("d.ini"));
    const std::vector<IniSection> parsed = ParseIniSections(text);
    std::vector<std::string> names;
    for (const IniSection& section : parsed) names.push_back(section.name);
    ASSERT_EQ(names, ini.ReadSections()) << text.substr(0, 3);
    int compared = 0;
    std::set<std::string> seen;
    for (const IniSection& section : parsed) {
      // A repeated section reads as its first.
      if (!seen.insert(AsciiLower(section.name)).second) continue;
      EXPECT_EQ(section.entries, ini.ReadSectionValues(section.name)) << section.name;
      std::map<std::string, std::string> split;
      for (const std::string& line : section.entries) split.insert(SplitIniEntry(line));
      for (const std::string& key : ini.ReadSection(section.name)) {
        EXPECT_EQ(split.at(key), ini.ReadString(section.name, key, "<absent>")) << section.name << "." << key;
        ++compared;
      }
    }
    EXPECT_GE(compared, 12);
  }
}

TEST(IniFile, WritesKeepOtherContentAndReadBack) {
  TempFolder folder;
  folder.Write("k.ini", "; kept\r\n[General]\r\nOther=x\r\n");
  TIniFile ini(folder.File("k.ini"));
  ini.WriteInteger("General", "Rate", 20000);
  ini.WriteBool("General", "Logging", false);
  ini.WriteString("MapServer", "Address", "127.0.0.1");
  EXPECT_EQ(ini.ReadInteger("General", "Rate", 0), 20000);
  EXPECT_EQ(ini.ReadString("General", "Logging", ""), "0");
  EXPECT_EQ(ini.ReadString("General", "Other", ""), "x");
  EXPECT_EQ(ini.ReadString("MapServer", "Address", ""), "127.0.0.1");
  EXPECT_NE(ReadFile(folder.File("k.ini")).find("; kept"), std::string::npos);
  ini.DeleteKey("General", "Other");
  EXPECT_FALSE(ini.ValueExists("General", "Other"));
}

TEST(IniFile, UnwritableFileRaisesTheToolkitError) {
  TempFolder folder;
  folder.Write("k.ini", "[General]\r\nRate=1000\r\n");
  const std::string path = folder.File("k.ini");
  TIniFile ini(path);
  {
    HeldFile held(path);
    ASSERT_TRUE(held.Held());
    try {
      ini.WriteInteger("General", "Rate", 2000);
      ADD_FAILURE() << "the write was not refused";
    } catch (const Exception& error) {
      EXPECT_EQ(error.Message(), "Unable to write to " + path);
    }
  }
  EXPECT_EQ(ini.ReadInteger("General", "Rate", 0), 1000);

  TIniFile missingFolder(folder.File("no-such-folder\\k.ini"));
  EXPECT_THROW(missingFolder.WriteString("General", "Rate", "1"), Exception);
}

}  // namespace
}  // namespace korvale::testing
