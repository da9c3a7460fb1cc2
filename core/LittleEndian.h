#pragma once

#include <cstdint>

namespace korvale {

// The file formats we read store their numbers little-endian, whatever the host's order.
constexpr std::uint16_t ReadLe16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

constexpr std::uint32_t ReadLe24(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16;
}

constexpr std::uint32_t ReadLe32(const std::uint8_t* p) {
  return ReadLe24(p) | static_cast<std::uint32_t>(p[3]) << 24;
}

constexpr std::uint64_t ReadLe64(const std::uint8_t* p) {
  return ReadLe32(p) | static_cast<std::uint64_t>(ReadLe32(p + 4)) << 32;
}

}  // namespace korvale
