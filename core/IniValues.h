#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvale {

// Integer text as settings files store it: decimal with an optional sign, or hexadecimal
// after "0x"/"0X" when the text is longer than two characters. Anything else, or a value
// outside 32 bits, does not read as an integer.
std::optional<int> ParseIniInteger(std::string_view text);

inline std::string IniBoolText(bool value) { return value ? "1" : "0"; }

}  // namespace korvale
