#include "core/IniValues.h"

#include <gtest/gtest.h>

namespace korvale {
namespace {

TEST(IniValues, IntegerTextTable) {
  struct Case {
    const char* text;
    std::optional<int> value;
  } const cases[] = {
      {"6900", 6900},        {"0x1AF4", 6900},     {"0X1af4", 6900},   {"-12", -12},
      {"+7", 7},             {"0", 0},             {"0x", std::nullopt}, {"0x0", 0},
      {"", std::nullopt},    {"12a", std::nullopt}, {" 12", std::nullopt}, {"1.5", std::nullopt},
      {"2147483647", 2147483647}, {"2147483648", std::nullopt}, {"-2147483648", -2147483647 - 1},
      {"0xFFFFFFFF", -1},    {"0x100000000", std::nullopt}, {"-0x10", std::nullopt},
      {"$1AF4", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseIniInteger(c.text), c.value) << "text: \"" << c.text << "\"";
  }
}

}  // namespace
}  // namespace korvale
