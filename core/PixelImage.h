#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace korvale {

// A decoded picture: top-down rows of 32-bit pixels, 0x00RRGGBB (blue in the low byte, the
// layout of a 32-bit DIB), so the Windows side can copy it into a DIB section as it is.
struct PixelImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  bool Empty() const { return width <= 0 || height <= 0; }
  std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  void Set(int x, int y, std::uint32_t rgb) { pixels[static_cast<size_t>(y) * width + x] = rgb; }
  void Resize(int w, int h, std::uint32_t fill = 0) {
    width = w;
    height = h;
    pixels.assign(static_cast<size_t>(w) * h, fill);
  }
};

}  // namespace korvale
