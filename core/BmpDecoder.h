#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/PixelImage.h"

namespace korvale {

// The largest picture the decoder accepts: each side at most kBmpMaxSide pixels and at
// most kBmpMaxPixels pixels in all, so a small RLE file cannot ask for gigabytes.
inline constexpr std::int64_t kBmpMaxSide = 16384;
inline constexpr std::int64_t kBmpMaxPixels = std::int64_t{1} << 25;

struct BmpDecodeResult {
  PixelImage image;
  std::string error;
  bool ok() const { return error.empty(); }
};

// Decodes a whole BMP file (file header, then a core, info, V2/V3, V4 or V5 header):
// 1, 4 and 8 bits per pixel through the palette (uncompressed, RLE8, RLE4), 16 bits (555
// or bit fields), 24 bits, 32 bits (BGRX or bit fields); bottom-up and top-down rows.
// Every size and offset is checked against the bytes given; on any fault the image is
// empty and `error` says what is wrong. Palette indices past the palette read as black,
// and pixels an RLE stream skips (delta, early end of line or bitmap) stay black.
BmpDecodeResult DecodeBmp(const std::uint8_t* data, std::size_t size);

// The size a BMP's headers claim, read without decoding a pixel, when the headers are sound
// and within the limits above; nothing otherwise.
struct BmpSize {
  std::int64_t width = 0;
  std::int64_t height = 0;
};
std::optional<BmpSize> ReadBmpSize(const std::uint8_t* data, std::size_t size);

}  // namespace korvale
