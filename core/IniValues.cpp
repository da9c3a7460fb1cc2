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

}  // namespace korvale
