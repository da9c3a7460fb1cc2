#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace korvale {

// Integer text as settings files store it: decimal with an optional sign, or hexadecimal
// after "0x"/"0X" when the text is longer than two characters. Anything else, or a value
// outside 32 bits, does not read as an integer.
std::optional<int> ParseIniInteger(std::string_view text);

// One line of a section as the system lists it ("key=value") split the way a read of that
// key answers: blanks around key and value trimmed, one pair of matching quotes around the
// value removed. A line without "=" is a key with an empty value.
std::pair<std::string, std::string> SplitIniEntry(std::string_view line);

inline std::string IniBoolText(bool value) { return value ? "1" : "0"; }

}  // namespace korvale
