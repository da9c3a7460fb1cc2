#pragma once

// The LZHUF encoder of the skin compiler: it produces the compressed streams that TLZH
// expands, so it shares the decoder's tree and tables.
#include <cstdint>
#include <span>
#include <vector>

namespace korvale {

// The 4-byte little-endian size followed by the coded bits, the last byte padded with zero
// bits. Every match is a longest one in the 4,096-byte window (the initial spaces
// included); of a greedy and a one-step lazy parse the shorter result is kept. Throws
// std::length_error for input above 2 GiB - 1.
std::vector<std::uint8_t> CompressLzh(std::span<const std::uint8_t> data);

// One step of a parse: a literal (length 0, the byte in value) or a match of 3 to 60 bytes
// (the distance back to its first byte, 1 to 4,096, in value).
struct LzhToken {
  std::uint16_t length;
  std::uint16_t value;
};

// Codes the tokens as they are behind the given declared size; for tools and tests that
// need a stream of a particular shape. Throws std::invalid_argument for a token outside
// the ranges above.
std::vector<std::uint8_t> EncodeLzhTokens(std::int32_t declaredSize,
                                          std::span<const LzhToken> tokens);

}  // namespace korvale
