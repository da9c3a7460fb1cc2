#include "core/ProcessNames.h"

#include <gtest/gtest.h>

#include "core/AsciiText.h"

namespace korvale {
namespace {

TEST(ProcessNames, QueryIsReducedToUpperCaseFileName) {
  EXPECT_EQ(ReduceQueryName("auth-node.exe"), "AUTH-NODE.EXE");
  EXPECT_EQ(ReduceQueryName("C:\\Games\\Server\\Realm-Node.exe"), "REALM-NODE.EXE");
  EXPECT_EQ(ReduceQueryName("/opt/srv/world-node.exe"), "WORLD-NODE.EXE");
  EXPECT_EQ(ReduceQueryName("dir\\"), "");
}

TEST(ProcessNames, CaseFoldingTouchesAsciiLettersOnly) {
  EXPECT_EQ(AsciiUpper("a-z\xe4\xf6_09"), "A-Z\xe4\xf6_09");
  EXPECT_EQ(AsciiLower("A-Z\xc4\xd6_09"), "a-z\xc4\xd6_09");
  EXPECT_TRUE(AsciiEqualsNoCase("Ctrl+Enter", "cTRL+eNTER"));
  EXPECT_FALSE(AsciiEqualsNoCase("\xe4", "\xc4"));  // no code page decides what a letter is
  EXPECT_FALSE(AsciiEqualsNoCase("Ctrl", "Ctrl+"));
}

TEST(ProcessNames, MatchIsSubstringOfExeName) {
  const std::string query = ReduceQueryName("auth-node.exe");
  EXPECT_TRUE(ExeNameMatches(query, "AUTH-NODE.EXE"));
  EXPECT_TRUE(ExeNameMatches(query, "XAUTH-NODE.EXE"));
  EXPECT_FALSE(ExeNameMatches(query, "AUTH-NODE.EX"));
  EXPECT_FALSE(ExeNameMatches(query, ""));
  EXPECT_FALSE(ExeNameMatches(query, "auth-node.exe"));
}

}  // namespace
}  // namespace korvale
