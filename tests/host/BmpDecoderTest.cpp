#include "core/BmpDecoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/BmpEncoder.h"

namespace korvale {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t K = 0x000000;
constexpr std::uint32_t R = 0xFF0000;
constexpr std::uint32_t G = 0x00FF00;
constexpr std::uint32_t B = 0x0000FF;
const std::vector<std::uint32_t> kPalette = {K, R, G, B};

struct BmpSpec {
  std::uint32_t headerSize = 40;
  std::int32_t width = 3;
  std::int32_t height = 2;
  std::uint16_t bitCount = 8;
  std::uint32_t compression = 0;
  std::uint32_t colorsUsed = 0;
  std::vector<std::uint32_t> palette;
  std::vector<std::uint32_t> masks;
  Bytes bits;
};

void Put(Bytes& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

Bytes Build(const BmpSpec& s) {
  Bytes header;
  Put(header, s.headerSize, 4);
  if (s.headerSize == 12) {
    Put(header, static_cast<std::uint16_t>(s.width), 2);
    Put(header, static_cast<std::uint16_t>(s.height), 2);
    Put(header, 1, 2);
    Put(header, s.bitCount, 2);
  } else {
    Put(header, static_cast<std::uint32_t>(s.width), 4);
    Put(header, static_cast<std::uint32_t>(s.height), 4);
    Put(header, 1, 2);
    Put(header, s.bitCount, 2);
    Put(header, s.compression, 4);
    Put(header, s.bits.size(), 4);
    Put(header, 2835, 4);
    Put(header, 2835, 4);
    Put(header, s.colorsUsed, 4);
    Put(header, 0, 4);
    if (s.headerSize > 40) {
      for (std::uint32_t m : s.masks) Put(header, m, 4);
    }
    header.resize(s.headerSize, 0);
  }
  if (s.headerSize == 40) {
    for (std::uint32_t m : s.masks) Put(header, m, 4);
  }
  for (std::uint32_t c : s.palette) Put(header, c, s.headerSize == 12 ? 3 : 4);
  Bytes out = {'B', 'M'};
  Put(out, 14 + header.size() + s.bits.size(), 4);
  Put(out, 0, 4);
  Put(out, 14 + header.size(), 4);
  out.insert(out.end(), header.begin(), header.end());
  out.insert(out.end(), s.bits.begin(), s.bits.end());
  return out;
}

BmpDecodeResult Decode(const Bytes& bytes) { return DecodeBmp(bytes.data(), bytes.size()); }

struct DepthCase {
  const char* name;
  BmpSpec spec;
  std::vector<std::uint32_t> expected;  // top-down
};

// Every case is a 3 x 2 picture; bottom-up files list the lower row first.
std::vector<DepthCase> DepthCases() {
  std::vector<DepthCase> cases;
  BmpSpec s;

  s = {};
  s.bitCount = 1;
  s.palette = {0x102030, 0xFFEEDD};
  s.bits = {0x60, 0, 0, 0, 0x80, 0, 0, 0};
  cases.push_back({"1 bpp", s, {0xFFEEDD, 0x102030, 0x102030, 0x102030, 0xFFEEDD, 0xFFEEDD}});

  s = {};
  s.bitCount = 4;
  s.palette = kPalette;
  s.bits = {0x30, 0x10, 0, 0, 0x12, 0x30, 0, 0};
  cases.push_back({"4 bpp", s, {R, G, B, B, K, R}});

  s = {};
  s.palette = kPalette;
  s.bits = {3, 0, 1, 0, 1, 2, 3, 0};
  cases.push_back({"8 bpp", s, {R, G, B, B, K, R}});

  s = {};
  s.height = -2;
  s.palette = kPalette;
  s.bits = {1, 2, 3, 0, 3, 0, 1, 0};
  cases.push_back({"8 bpp top-down", s, {R, G, B, B, K, R}});

  s = {};
  s.palette = {K, R};
  s.colorsUsed = 2;
  s.bits = {200, 0, 1, 0, 1, 2, 3, 0};
  cases.push_back({"8 bpp, indices past a short palette", s, {R, K, K, K, K, R}});

  s = {};
  s.headerSize = 12;
  s.palette = kPalette;
  s.palette.resize(256, 0x123456);
  s.bits = {3, 0, 1, 0, 1, 2, 3, 0};
  cases.push_back({"8 bpp core header", s, {R, G, B, B, K, R}});

  s = {};
  s.bitCount = 16;
  s.bits = {0x1F, 0, 0, 0, 0, 0x7C, 0, 0, 0, 0x7C, 0xE0, 0x03, 0x1F, 0, 0, 0};
  cases.push_back({"16 bpp 5-5-5", s, {R, G, B, B, K, R}});

  s = {};
  s.bitCount = 16;
  s.compression = 3;
  s.masks = {0xF800, 0x07E0, 0x001F};
  s.bits = {0x1F, 0, 0, 0, 0, 0xF8, 0, 0, 0, 0xF8, 0xE0, 0x07, 0x1F, 0, 0, 0};
  cases.push_back({"16 bpp 5-6-5 bit fields", s, {R, G, B, B, K, R}});

  s.headerSize = 124;
  cases.push_back({"16 bpp 5-6-5 bit fields in a V5 header", s, {R, G, B, B, K, R}});

  s = {};
  s.bitCount = 16;
  s.bits = {0x10, 0x42, 0x01, 0, 0x00, 0x02, 0, 0,  // (16,16,16) (0,0,1) (0,16,0)
            0, 0, 0, 0, 0, 0, 0, 0};
  cases.push_back({"16 bpp channel scaling", s, {0, 0, 0, 0x848484, 0x000008, 0x008400}});

  s = {};
  s.bitCount = 24;
  s.bits = {0xFF, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0,
            0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0, 0};
  cases.push_back({"24 bpp", s, {R, G, B, B, K, R}});

  s.headerSize = 108;
  cases.push_back({"24 bpp V4 header", s, {R, G, B, B, K, R}});

  s = {};
  s.bitCount = 32;
  s.bits = {0xFF, 0, 0, 0xAB, 0, 0, 0, 0xAB, 0, 0, 0xFF, 0xAB,
            0, 0, 0xFF, 0xAB, 0, 0xFF, 0, 0xAB, 0xFF, 0, 0, 0xAB};
  cases.push_back({"32 bpp, alpha dropped", s, {R, G, B, B, K, R}});

  s = {};
  s.bitCount = 32;
  s.compression = 3;
  s.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
  s.bits = {0, 0, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0,
            0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0};
  cases.push_back({"32 bpp bit fields", s, {R, G, B, B, K, R}});
  return cases;
}

TEST(BmpDecoder, DecodesEveryDepth) {
  for (const DepthCase& c : DepthCases()) {
    SCOPED_TRACE(c.name);
    const BmpDecodeResult r = Decode(Build(c.spec));
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.image.width, 3);
    EXPECT_EQ(r.image.height, 2);
    EXPECT_EQ(r.image.pixels, c.expected);
  }
}

BmpSpec Rle8Spec() {
  BmpSpec s;
  s.width = 4;
  s.height = 3;
  s.compression = 1;
  s.palette = kPalette;
  s.bits = {3, 1, 1, 2, 0, 0,  // bottom row: run of 1s, one 2, end of line
            0, 3, 1, 2, 3, 0,  // absolute run of three, padded to an even length
            0, 2, 0, 1,        // delta: down one row, same column
            1, 2, 0, 1};       // one pixel, end of bitmap
  return s;
}

BmpSpec Rle4Spec() {
  BmpSpec s;
  s.width = 5;
  s.height = 2;
  s.bitCount = 4;
  s.compression = 2;
  s.palette = kPalette;
  s.bits = {5, 0x12, 0, 0,               // alternating nibbles
            0, 5, 0x12, 0x31, 0x20, 0,   // absolute run of five nibbles, three bytes padded
            0, 1};
  return s;
}

TEST(BmpDecoder, DecodesRleEscapes) {
  BmpDecodeResult r = Decode(Build(Rle8Spec()));
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(r.image.pixels, (std::vector<std::uint32_t>{K, K, K, G, R, G, B, K, R, R, R, G}));

  r = Decode(Build(Rle4Spec()));
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(r.image.pixels, (std::vector<std::uint32_t>{R, G, B, R, G, R, G, R, G, R}));
}

TEST(BmpDecoder, RleClipsAndStopsSafely) {
  struct Case {
    const char* name;
    Bytes bits;
    std::vector<std::uint32_t> expected;  // 2 x 2, top-down
  };
  const std::vector<Case> cases = {
      {"run longer than the row", {9, 1, 0, 0, 2, 2, 0, 1}, {G, G, R, R}},
      {"absolute run longer than the row", {0, 3, 1, 2, 3, 0, 0, 1}, {K, K, R, G}},
      {"early end of bitmap leaves black", {1, 3, 0, 1}, {K, K, B, K}},
      {"delta past the last row ends the picture", {1, 1, 0, 2, 0, 9, 7, 7}, {K, K, R, K}},
      {"delta past the row end drops pixels", {0, 2, 5, 0, 1, 1, 0, 0, 1, 2, 0, 1}, {G, K, K, K}},
      {"last row complete without end marker", {2, 1, 0, 0, 2, 3, 0, 0}, {B, B, R, R}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BmpSpec s;
    s.width = 2;
    s.height = 2;
    s.compression = 1;
    s.palette = kPalette;
    s.bits = c.bits;
    const BmpDecodeResult r = Decode(Build(s));
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.image.pixels, c.expected);
  }
}

// A cut file never reads past its end and never yields a different picture: either the
// decoder reports an error with an empty image or (only the last row's padding or the RLE
// end marker missing) the same picture as the whole file.
TEST(BmpDecoder, TruncationAtEveryOffsetIsRejectedOrHarmless) {
  std::vector<BmpSpec> specs = {Rle8Spec(), Rle4Spec()};
  for (const DepthCase& c : DepthCases()) specs.push_back(c.spec);
  for (const BmpSpec& spec : specs) {
    const Bytes whole = Build(spec);
    const BmpDecodeResult full = Decode(whole);
    ASSERT_TRUE(full.ok()) << full.error;
    for (std::size_t n = 0; n < whole.size(); ++n) {
      SCOPED_TRACE("bit count " + std::to_string(spec.bitCount) + ", cut at " + std::to_string(n));
      const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n));
      const BmpDecodeResult r = Decode(cut);
      if (r.ok()) {
        EXPECT_EQ(r.image.pixels, full.image.pixels);
      } else {
        EXPECT_TRUE(r.image.Empty());
        EXPECT_TRUE(r.image.pixels.empty());
      }
    }
  }
}

void Poke32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

TEST(BmpDecoder, HostileHeadersGiveClearErrors) {
  BmpSpec base;
  base.palette = kPalette;
  base.bits = {3, 0, 1, 0, 1, 2, 3, 0};
  BmpSpec fields;
  fields.bitCount = 16;
  fields.compression = 3;
  fields.masks = {0xF800, 0x07E0, 0x001F};
  fields.bits.assign(16, 0);

  struct Case {
    const char* name;
    std::function<Bytes()> make;
    const char* error;
  };
  auto patched = [](BmpSpec s, std::size_t at, std::uint32_t v) {
    return [s, at, v] {
      Bytes b = Build(s);
      Poke32(b, at, v);
      return b;
    };
  };
  auto with = [](BmpSpec s, auto change) {
    return [s, change]() mutable {
      change(s);
      return Build(s);
    };
  };
  const std::vector<Case> cases = {
      {"empty", [] { return Bytes{}; }, "too short"},
      {"no signature", patched(base, 0, 0x0000'4D42 ^ 0x2020), "no \"BM\" signature"},
      {"header size 41", patched(base, 14, 41), "unsupported bitmap header size 41"},
      {"huge header size", patched(base, 14, 124), "runs past the end of the file"},
      {"header size ~0", patched(base, 14, 0xFFFFFFFF), "unsupported bitmap header size"},
      {"zero width", patched(base, 18, 0), "invalid width 0"},
      {"negative width", patched(base, 18, 0xFFFFFFFF), "invalid width -1"},
      {"zero height", patched(base, 22, 0), "invalid height 0"},
      {"most negative height", patched(base, 22, 0x80000000), "invalid height -2147483648"},
      {"wide", patched(base, 18, 16385), "exceeds the limit of 16384 pixels a side"},
      {"too many pixels", with(base, [](BmpSpec& s) { s.width = 16384; s.height = -16384; }),
       "exceeds the limit of 33554432 pixels"},
      {"bit count 7", patched(base, 28, 0x00000007), "unsupported bit count 7"},
      {"JPEG", patched(base, 30, 4), "unsupported compression 4"},
      {"RLE8 at 4 bpp", with(base, [](BmpSpec& s) { s.bitCount = 4; s.compression = 1; }),
       "RLE8 compression needs 8 bits per pixel"},
      {"RLE4 at 8 bpp", patched(base, 30, 2), "RLE4 compression needs 4 bits per pixel"},
      {"bit fields at 24 bpp", with(base, [](BmpSpec& s) { s.bitCount = 24; s.compression = 3; }),
       "bit-field compression needs 16 or 32 bits per pixel"},
      {"top-down RLE", with(Rle8Spec(), [](BmpSpec& s) { s.height = -s.height; }),
       "cannot be top-down"},
      {"pixel offset past the end", patched(base, 10, 0xFFFFFFFF), "lies past the end of the file"},
      {"pixel offset inside the headers", patched(base, 10, 20), "lies inside the headers"},
      {"rows missing", with(base, [](BmpSpec& s) { s.height = 3; }), "the pixel data needs 11"},
      {"huge rows", with(base, [](BmpSpec& s) { s.width = 16384; s.height = 2048; }),
       "the pixel data needs"},
      {"mask not contiguous", with(fields, [](BmpSpec& s) { s.masks[1] = 0x0500; }),
       "green bit-field mask 1280 is not contiguous"},
      {"mask wider than the pixel", with(fields, [](BmpSpec& s) { s.masks[0] = 0x1F0000; }),
       "does not fit in a 16-bit pixel"},
      {"masks cut off", [] {
         BmpSpec s;
         s.bitCount = 32;
         s.compression = 3;
         Bytes b = Build(s);
         b.resize(14 + 40 + 8);
         return b;
       }, "bit-field masks run past the end"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const BmpDecodeResult r = Decode(c.make());
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.error.find(c.error), std::string::npos) << r.error;
    EXPECT_TRUE(r.image.pixels.empty());
  }
  EXPECT_FALSE(DecodeBmp(nullptr, 100).ok());
}

TEST(BmpEncoder, RoundTripsThroughTheDecoder) {
  for (int width = 1; width <= 5; ++width) {
    SCOPED_TRACE(width);
    PixelImage image;
    image.Resize(width, 3);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
      image.pixels[i] = static_cast<std::uint32_t>(i * 0x3F1A27u) & 0xFFFFFF;
    }
    const Bytes bytes = EncodeBmp24(image);
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    EXPECT_EQ(bytes.size(), 54 + 3 * stride);
    const BmpDecodeResult r = Decode(bytes);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.image.width, width);
    EXPECT_EQ(r.image.pixels, image.pixels);
  }
  EXPECT_TRUE(EncodeBmp24(PixelImage{}).empty());
}

}  // namespace
}  // namespace korvale
