#pragma once

#include <string>
#include <string_view>

namespace korvale {

// Case folding of ASCII letters only: other bytes of 8-bit text stay as they are, whatever
// the locale or code page, so names compare the same on every machine.
char AsciiUpperChar(char c);
char AsciiLowerChar(char c);
std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);

// Equal but for the case of ASCII letters.
bool AsciiEqualsNoCase(std::string_view a, std::string_view b);

}  // namespace korvale
