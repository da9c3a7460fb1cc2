#include "core/BmpDecoder.h"

#include <cstdint>

namespace korvale {

namespace {

std::uint32_t Read32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t Read16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

BmpDecodeResult Fail(const char* why) {
  BmpDecodeResult result;
  result.error = why;
  return result;
}

}  // namespace

// Uncompressed 8, 24 and 32 bits per pixel only.
BmpDecodeResult DecodeBmp(const std::uint8_t* data, std::size_t size) {
  if (!data || size < 54) return Fail("too short for a BMP header");
  if (data[0] != 'B' || data[1] != 'M') return Fail("not a BMP file");
  const std::uint32_t pixelOffset = Read32(data + 10);
  const std::uint32_t headerSize = Read32(data + 14);
  if (headerSize < 40 || 14ull + headerSize > size) return Fail("unsupported BMP header");
  const std::int32_t width = static_cast<std::int32_t>(Read32(data + 18));
  const std::int32_t rawHeight = static_cast<std::int32_t>(Read32(data + 22));
  const int bpp = Read16(data + 28);
  const std::uint32_t compression = Read32(data + 30);
  std::uint32_t colours = Read32(data + 46);
  if (compression != 0) return Fail("compressed BMP not supported");
  if (bpp != 8 && bpp != 24 && bpp != 32) return Fail("unsupported bit depth");
  if (width <= 0 || width > 32768 || rawHeight == 0 || rawHeight < -32768 || rawHeight > 32768)
    return Fail("bad BMP dimensions");
  const bool topDown = rawHeight < 0;
  const int height = topDown ? -rawHeight : rawHeight;
  const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bpp + 31) / 32) * 4;
  if (pixelOffset > size || stride * height > size - pixelOffset) return Fail("BMP pixel data truncated");
  const std::uint8_t* palette = data + 14 + headerSize;
  if (bpp == 8) {
    if (colours == 0 || colours > 256) colours = 256;
    if (14ull + headerSize + 4ull * colours > size) return Fail("BMP palette truncated");
  }
  BmpDecodeResult result;
  result.image.Resize(width, height);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = data + pixelOffset + stride * (topDown ? y : height - 1 - y);
    for (int x = 0; x < width; ++x) {
      std::uint32_t p = 0;
      if (bpp == 8) {
        const std::uint32_t index = row[x];
        if (index < colours) p = Read32(palette + 4 * index) & 0x00FFFFFF;
      } else {
        const std::uint8_t* q = row + x * (bpp / 8);
        p = q[0] | (q[1] << 8) | (static_cast<std::uint32_t>(q[2]) << 16);
      }
      result.image.Set(x, y, p);
    }
  }
  return result;
}

}  // namespace korvale
