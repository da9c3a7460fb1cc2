#include "core/IniValues.h"

#include <charconv>
#include <cstdint>

namespace korvale {

std::optional<int> ParseIniInteger(std::string_view text) {
  int base = 10;
  bool negative = false;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  } else if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (base == 16) {
    // Hexadecimal text names the 32 bits themselves, so 0xFFFFFFFF reads as -1.
    if (magnitude > 0xFFFFFFFFull) return std::nullopt;
    return static_cast<int>(static_cast<std::uint32_t>(magnitude));
  }
  if (negative ? magnitude > 0x80000000ull : magnitude > 0x7FFFFFFFull) return std::nullopt;
  const auto value = static_cast<std::int64_t>(magnitude);
  return static_cast<int>(negative ? -value : value);
}

namespace {

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::pair<std::string, std::string> SplitIniEntry(std::string_view line) {
  const std::size_t equals = line.find('=');
  const std::string_view key = TrimBlanks(line.substr(0, equals));
  std::string_view value = equals == std::string_view::npos ? std::string_view() : TrimBlanks(line.substr(equals + 1));
  if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return {std::string(key), std::string(value)};
}

}  // namespace korvale
