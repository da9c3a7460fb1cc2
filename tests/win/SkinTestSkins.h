#pragma once

// Skins built by the tests themselves: BMP entries painted in memory, a definition text,
// packed with the archive writer and compressed with the LZH encoder.
#include <cstdint>
#include <string>
#include <vector>

#include "core/BmpEncoder.h"
#include "core/LzhEncoder.h"
#include "core/SkinArchive.h"
#include "tests/support/skin/SkinMessages.h"

namespace korvale::testing {

using Bytes = std::vector<std::uint8_t>;

// A 24-bit BMP of the given size; pixel (x, y) is 0xRRGGBB = (x, y, seed).
inline Bytes TestBmp(int width, int height, int seed = 0) {
  PixelImage image;
  image.Resize(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.Set(x, y, static_cast<std::uint32_t>((x & 0xFF) << 16 | (y & 0xFF) << 8 | (seed & 0xFF)));
    }
  }
  return EncodeBmp24(image);
}

inline Bytes TextBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

class TestSkin {
 public:
  TestSkin& Image(const std::string& name, int width, int height, int seed = 0) {
    entries_.push_back({name, TestBmp(width, height, seed)});
    return *this;
  }
  TestSkin& Entry(const std::string& name, Bytes data) {
    entries_.push_back({name, std::move(data)});
    return *this;
  }
  TestSkin& Definition(const std::string& text, const std::string& name = "test.ini") {
    entries_.push_back({name, TextBytes(text)});
    return *this;
  }
  Bytes Archive() const { return BuildSkinArchive(entries_); }
  Bytes Stream() const { return CompressLzh(Archive()); }

 private:
  std::vector<SkinArchiveEntry> entries_;
};

}  // namespace korvale::testing
