#pragma once

#include <string>
#include <string_view>

namespace korvale {

// Upper-cases ASCII letters a-z only; other bytes of 8-bit text stay as they are.
std::string AsciiUpper(std::string_view text);

// Equal but for the case of ASCII letters.
bool AsciiEqualsNoCase(std::string_view a, std::string_view b);

}  // namespace korvale
