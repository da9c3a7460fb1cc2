#include "core/BmpEncoder.h"

#include <cstddef>

namespace korvale {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = static_cast<std::uint8_t>(v);
  out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  Put16(out, at, v & 0xFFFF);
  Put16(out, at + 2, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const PixelImage& image) {
  if (image.Empty()) return {};
  constexpr std::size_t kHeaders = 14 + 40;
  const std::size_t width = static_cast<std::size_t>(image.width);
  const std::size_t height = static_cast<std::size_t>(image.height);
  const std::size_t stride = (width * 3 + 3) / 4 * 4;
  const std::size_t imageSize = stride * height;
  std::vector<std::uint8_t> out(kHeaders + imageSize, 0);
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, static_cast<std::uint32_t>(out.size()));
  Put32(out, 10, kHeaders);
  Put32(out, 14, 40);
  Put32(out, 18, static_cast<std::uint32_t>(width));
  Put32(out, 22, static_cast<std::uint32_t>(height));
  Put16(out, 26, 1);
  Put16(out, 28, 24);
  Put32(out, 34, static_cast<std::uint32_t>(imageSize));
  Put32(out, 38, 2835);  // 72 dots per inch
  Put32(out, 42, 2835);
  for (std::size_t row = 0; row < height; ++row) {
    const std::size_t y = height - 1 - row;
    std::uint8_t* dst = out.data() + kHeaders + row * stride;
    for (std::size_t x = 0; x < width; ++x) {
      const std::uint32_t rgb = image.pixels[y * width + x];
      dst[3 * x] = static_cast<std::uint8_t>(rgb);
      dst[3 * x + 1] = static_cast<std::uint8_t>(rgb >> 8);
      dst[3 * x + 2] = static_cast<std::uint8_t>(rgb >> 16);
    }
  }
  return out;
}

}  // namespace korvale
