#include "core/IniText.h"

namespace korvale {

namespace {

// The profile reader's blanks, end-of-file mark included.
bool IsProfileBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsProfileBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsProfileBlank(text.back())) text.remove_suffix(1);
  return text;
}

// UTF-16 text after its byte-order mark, narrowed as the profile reader takes it: characters
// beyond ASCII read as "?".
std::string NarrowedUtf16(std::string_view text, bool little) {
  std::string narrow;
  for (std::size_t i = 2; i + 1 < text.size(); i += 2) {
    const auto low = static_cast<unsigned char>(text[little ? i : i + 1]);
    const auto high = static_cast<unsigned char>(text[little ? i + 1 : i]);
    narrow += high == 0 && low < 0x80 ? static_cast<char>(low) : '?';
  }
  return narrow;
}

}  // namespace

std::vector<IniSection> ParseIniSections(std::string_view text) {
  // A byte-order mark names the encoding: UTF-8 is read past it, UTF-16 is narrowed.
  std::string narrowed;
  if (text.starts_with("\xEF\xBB\xBF")) {
    text.remove_prefix(3);
  } else if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) {
    narrowed = NarrowedUtf16(text, text[0] == '\xFF');
    text = narrowed;
  }
  std::vector<IniSection> sections;
  // Lines outside a named section (before the first, or under "[]") are read but not listed.
  bool named = false;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty()) continue;
    if (line.front() == '[') {
      // The name runs to the line's last "]", blanks trimmed; a header without one reads as an
      // entry.
      const std::size_t close = line.rfind(']');
      if (close != std::string_view::npos) {
        const std::string_view name = Trimmed(line.substr(1, close - 1));
        named = !name.empty();
        if (named) sections.push_back({std::string(name), {}});
        continue;
      }
    }
    if (!named || line.front() == ';') continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      sections.back().entries.emplace_back(line);
    } else {
      std::string entry(Trimmed(line.substr(0, equals)));
      entry += '=';
      entry += Trimmed(line.substr(equals + 1));
      sections.back().entries.push_back(std::move(entry));
    }
  }
  return sections;
}

}  // namespace korvale
