#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvale {

// One named section of an INI text: its name as written and its entries as the system lists
// a section ("key=value", or "key" for a line without "="), comments and blank lines left out.
struct IniSection {
  std::string name;
  std::vector<std::string> entries;
};

// The named sections of an INI text in file order, repeats included, read by the rules of the
// system's private-profile functions, so a definition held in memory answers as the same text
// in a file would. Lines before the first section belong to no named section. A UTF-8 or
// UTF-16 byte-order mark is honoured; characters beyond ASCII in UTF-16 text read as "?".
std::vector<IniSection> ParseIniSections(std::string_view text);

}  // namespace korvale
