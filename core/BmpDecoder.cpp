#include "core/BmpDecoder.h"

#include <algorithm>
#include <array>
#include <bit>

#include "core/LittleEndian.h"

namespace korvale {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;

std::int32_t I32(const std::uint8_t* p) { return static_cast<std::int32_t>(ReadLe32(p)); }

std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return (r << 16) | (g << 8) | b;
}

// One colour channel of a bit-field pixel, widened or narrowed to 8 bits.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  std::uint32_t Extract(std::uint32_t pixel) const {
    if (bits == 0) return 0;
    const std::uint32_t value = (pixel & mask) >> shift;
    if (bits >= 8) return value >> (bits - 8);
    const std::uint32_t max = (1u << bits) - 1;
    return (value * 255 + max / 2) / max;
  }
};

struct Header {
  std::uint32_t headerSize = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;  // always positive; topDown tells the row order
  bool topDown = false;
  unsigned bitCount = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t colorsUsed = 0;
  std::array<Channel, 3> channels{};  // red, green, blue
  std::size_t paletteOffset = 0;
  std::size_t paletteEntrySize = 4;
};

BmpDecodeResult Fail(std::string message) {
  BmpDecodeResult result;
  result.error = std::move(message);
  return result;
}

std::string Num(std::uint64_t value) { return std::to_string(value); }

// Checks a bit-field mask; returns an error text, or empty when it is usable.
std::string MakeChannel(std::uint32_t mask, unsigned bitCount, const char* name, Channel& out) {
  out = Channel{};
  if (mask == 0) return {};
  if (bitCount < 32 && (mask >> bitCount) != 0) {
    return std::string("the ") + name + " bit-field mask " + Num(mask) + " does not fit in a " +
           Num(bitCount) + "-bit pixel";
  }
  const int shift = std::countr_zero(mask);
  const int bits = std::popcount(mask);
  const std::uint64_t run = (std::uint64_t{1} << bits) - 1;
  if ((std::uint64_t{mask} >> shift) != run) {
    return std::string("the ") + name + " bit-field mask " + Num(mask) + " is not contiguous";
  }
  out.mask = mask;
  out.shift = shift;
  out.bits = bits;
  return {};
}

std::string ParseHeader(const std::uint8_t* data, std::size_t size, Header& h) {
  if (size < kFileHeaderSize + 4) {
    return "a file of " + Num(size) + " bytes is too short for the BMP headers";
  }
  if (data[0] != 'B' || data[1] != 'M') return "not a BMP file (no \"BM\" signature)";
  h.headerSize = ReadLe32(data + kFileHeaderSize);
  const std::uint32_t hs = h.headerSize;
  if (hs != kCoreHeaderSize && hs != kInfoHeaderSize && hs != 52 && hs != 56 && hs != 108 &&
      hs != 124) {
    return "unsupported bitmap header size " + Num(hs);
  }
  if (hs > size - kFileHeaderSize) {
    return "the " + Num(hs) + "-byte bitmap header runs past the end of the file (" + Num(size) +
           " bytes)";
  }
  const std::uint8_t* p = data + kFileHeaderSize;
  std::size_t afterHeader = kFileHeaderSize + hs;

  if (hs == kCoreHeaderSize) {
    h.width = ReadLe16(p + 4);
    h.height = ReadLe16(p + 6);
    h.bitCount = ReadLe16(p + 10);
    h.paletteEntrySize = 3;
    if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 24) {
      return "unsupported bit count " + Num(h.bitCount) + " in a core header";
    }
  } else {
    h.width = I32(p + 4);
    const std::int32_t height = I32(p + 8);
    h.bitCount = ReadLe16(p + 14);
    h.compression = ReadLe32(p + 16);
    h.colorsUsed = ReadLe32(p + 32);
    if (height == INT32_MIN) return "invalid height " + std::to_string(height);
    h.topDown = height < 0;
    h.height = height < 0 ? -static_cast<std::int64_t>(height) : height;
    const unsigned bc = h.bitCount;
    if (bc != 1 && bc != 4 && bc != 8 && bc != 16 && bc != 24 && bc != 32) {
      return "unsupported bit count " + Num(bc);
    }
    switch (h.compression) {
      case kBiRgb:
        break;
      case kBiRle8:
        if (bc != 8) return "RLE8 compression needs 8 bits per pixel, not " + Num(bc);
        break;
      case kBiRle4:
        if (bc != 4) return "RLE4 compression needs 4 bits per pixel, not " + Num(bc);
        break;
      case kBiBitfields:
        if (bc != 16 && bc != 32) {
          return "bit-field compression needs 16 or 32 bits per pixel, not " + Num(bc);
        }
        break;
      default:
        return "unsupported compression " + Num(h.compression);
    }
    if (h.topDown && (h.compression == kBiRle8 || h.compression == kBiRle4)) {
      return "an RLE-compressed bitmap cannot be top-down";
    }
  }

  if (h.width <= 0) return "invalid width " + std::to_string(h.width);
  if (h.height <= 0) return "invalid height " + std::to_string(h.height);
  if (h.width > kBmpMaxSide || h.height > kBmpMaxSide) {
    return "a bitmap of " + std::to_string(h.width) + " x " + std::to_string(h.height) +
           " pixels exceeds the limit of " + std::to_string(kBmpMaxSide) + " pixels a side";
  }
  if (h.width * h.height > kBmpMaxPixels) {
    return "a bitmap of " + std::to_string(h.width) + " x " + std::to_string(h.height) +
           " pixels exceeds the limit of " + std::to_string(kBmpMaxPixels) + " pixels";
  }

  // Default masks: 5-5-5 for 16 bits, 8-8-8 for 32 bits; bit fields replace them.
  std::array<std::uint32_t, 3> masks{};
  if (h.bitCount == 16) masks = {0x7C00, 0x03E0, 0x001F};
  if (h.bitCount == 32) masks = {0xFF0000, 0x00FF00, 0x0000FF};
  if (h.compression == kBiBitfields) {
    const std::uint8_t* m = p + kInfoHeaderSize;
    if (hs == kInfoHeaderSize) {
      if (size - afterHeader < 12) return "the bit-field masks run past the end of the file";
      m = data + afterHeader;
      afterHeader += 12;
    }
    masks = {ReadLe32(m), ReadLe32(m + 4), ReadLe32(m + 8)};
  }
  static constexpr const char* kNames[3] = {"red", "green", "blue"};
  for (int i = 0; i < 3; ++i) {
    if (std::string e = MakeChannel(masks[i], h.bitCount, kNames[i], h.channels[i]); !e.empty()) {
      return e;
    }
  }
  h.paletteOffset = afterHeader;
  return {};
}

// Palette of a bitmap of at most 8 bits per pixel. It holds colorsUsed entries (all 2^n
// when 0, never more than 2^n); when the pixel data starts earlier, the palette holds what
// fits before it. Indices past the palette read as black.
std::string ReadPalette(const std::uint8_t* data, std::size_t size, std::size_t pixelOffset,
                        const Header& h, std::array<std::uint32_t, 256>& palette) {
  palette.fill(0);
  if (h.bitCount > 8) return {};
  const std::size_t full = std::size_t{1} << h.bitCount;
  std::size_t count = h.colorsUsed == 0 ? full : std::min<std::size_t>(h.colorsUsed, full);
  const std::size_t room = (pixelOffset - h.paletteOffset) / h.paletteEntrySize;
  count = std::min(count, room);
  if (h.paletteOffset + count * h.paletteEntrySize > size) {
    return "the palette runs past the end of the file";
  }
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* e = data + h.paletteOffset + i * h.paletteEntrySize;
    palette[i] = Rgb(e[2], e[1], e[0]);
  }
  return {};
}

std::uint64_t RowStride(const Header& h) {
  return (static_cast<std::uint64_t>(h.width) * h.bitCount + 31) / 32 * 4;
}

// The last row's padding may be missing; the pixels themselves must be present.
std::string CheckUncompressedSize(std::size_t available, const Header& h) {
  const std::uint64_t rowBytes = (static_cast<std::uint64_t>(h.width) * h.bitCount + 7) / 8;
  const std::uint64_t needed = static_cast<std::uint64_t>(h.height - 1) * RowStride(h) + rowBytes;
  if (needed > available) {
    return "the pixel data needs " + Num(needed) + " bytes, the file holds " + Num(available) +
           " after the pixel data offset";
  }
  return {};
}

void DecodeUncompressed(const std::uint8_t* bits, const Header& h,
                        const std::array<std::uint32_t, 256>& palette, PixelImage& image) {
  const std::uint64_t height = static_cast<std::uint64_t>(h.height);
  const std::uint64_t stride = RowStride(h);
  const int w = static_cast<int>(h.width);
  for (std::uint64_t row = 0; row < height; ++row) {
    const std::uint8_t* src = bits + row * stride;
    const int y = static_cast<int>(h.topDown ? row : height - 1 - row);
    std::uint32_t* dst = image.pixels.data() + static_cast<std::size_t>(y) * w;
    switch (h.bitCount) {
      case 1:
        for (int x = 0; x < w; ++x) dst[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
        break;
      case 4:
        for (int x = 0; x < w; ++x) dst[x] = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
        break;
      case 8:
        for (int x = 0; x < w; ++x) dst[x] = palette[src[x]];
        break;
      case 24:
        for (int x = 0; x < w; ++x) {
          const std::uint8_t* px = src + 3 * x;
          dst[x] = Rgb(px[2], px[1], px[0]);
        }
        break;
      case 16:
      case 32:
        for (int x = 0; x < w; ++x) {
          const std::uint32_t v = h.bitCount == 16 ? ReadLe16(src + 2 * x) : ReadLe32(src + 4 * x);
          dst[x] = Rgb(h.channels[0].Extract(v), h.channels[1].Extract(v), h.channels[2].Extract(v));
        }
        break;
    }
  }
}

// RLE8 and RLE4 streams of (count, value) pairs and escapes: 0 0 end of line, 0 1 end of
// bitmap, 0 2 dx dy delta, 0 n absolute run padded to a 16-bit boundary. Pixels that fall
// outside the picture are dropped; the stream ends at the end-of-bitmap escape or once the
// last row is complete.
std::string DecodeRle(const std::uint8_t* bits, std::size_t available, std::size_t pixelOffset,
                      const Header& h, const std::array<std::uint32_t, 256>& palette,
                      PixelImage& image) {
  const bool four = h.compression == kBiRle4;
  const std::int64_t width = h.width;
  const std::int64_t height = h.height;
  std::int64_t x = 0;
  std::int64_t row = 0;  // counted from the bottom
  std::size_t pos = 0;
  auto put = [&](std::uint32_t index) {
    if (x < width) {
      image.Set(static_cast<int>(x), static_cast<int>(height - 1 - row), palette[index]);
    }
    ++x;
  };
  while (row < height) {
    if (available - pos < 2) {
      return "the RLE data ends at offset " + Num(pixelOffset + pos) +
             " before the end-of-bitmap marker";
    }
    const std::uint8_t count = bits[pos];
    const std::uint8_t value = bits[pos + 1];
    pos += 2;
    if (count > 0) {
      for (unsigned i = 0; i < count; ++i) {
        put(four ? ((i & 1) ? value & 0xF : value >> 4) : value);
      }
      continue;
    }
    switch (value) {
      case 0:
        x = 0;
        ++row;
        break;
      case 1:
        return {};
      case 2:
        if (available - pos < 2) {
          return "the RLE delta at offset " + Num(pixelOffset + pos - 2) +
                 " runs past the end of the file";
        }
        x += bits[pos];
        row += bits[pos + 1];
        pos += 2;
        break;
      default: {
        const std::size_t bytes = four ? (value + 1u) / 2 : value;
        if (available - pos < bytes) {
          return "the RLE absolute run at offset " + Num(pixelOffset + pos - 2) +
                 " runs past the end of the file";
        }
        for (unsigned i = 0; i < value; ++i) {
          const std::uint8_t b = bits[pos + (four ? i / 2 : i)];
          put(four ? ((i & 1) ? b & 0xF : b >> 4) : b);
        }
        pos += bytes;
        if ((bytes & 1) && pos < available) ++pos;
        break;
      }
    }
  }
  return {};
}

}  // namespace

std::optional<BmpSize> ReadBmpSize(const std::uint8_t* data, std::size_t size) {
  Header h;
  if (data == nullptr || !ParseHeader(data, size, h).empty()) return std::nullopt;
  return BmpSize{h.width, h.height};
}

BmpDecodeResult DecodeBmp(const std::uint8_t* data, std::size_t size) {
  if (data == nullptr) size = 0;
  Header h;
  if (std::string e = ParseHeader(data, size, h); !e.empty()) return Fail(std::move(e));
  const std::uint32_t pixelOffset = ReadLe32(data + 10);
  if (pixelOffset < h.paletteOffset) {
    return Fail("the pixel data offset " + Num(pixelOffset) + " lies inside the headers (" +
                Num(h.paletteOffset) + " bytes)");
  }
  if (pixelOffset > size) {
    return Fail("the pixel data offset " + Num(pixelOffset) + " lies past the end of the file (" +
                Num(size) + " bytes)");
  }
  std::array<std::uint32_t, 256> palette;
  if (std::string e = ReadPalette(data, size, pixelOffset, h, palette); !e.empty()) {
    return Fail(std::move(e));
  }
  const std::uint8_t* bits = data + pixelOffset;
  const std::size_t available = size - pixelOffset;
  const bool rle = h.compression == kBiRle8 || h.compression == kBiRle4;
  if (!rle) {
    if (std::string e = CheckUncompressedSize(available, h); !e.empty()) return Fail(std::move(e));
  }
  BmpDecodeResult result;
  result.image.Resize(static_cast<int>(h.width), static_cast<int>(h.height));
  if (!rle) {
    DecodeUncompressed(bits, h, palette, result.image);
  } else if (std::string e = DecodeRle(bits, available, pixelOffset, h, palette, result.image);
             !e.empty()) {
    return Fail(std::move(e));
  }
  return result;
}

}  // namespace korvale
