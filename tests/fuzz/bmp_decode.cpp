// Any bytes either decode to a picture of the declared size or give an error and no
// picture; nothing is read outside the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/BmpDecoder.h"
#include "core/BmpEncoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const korvale::BmpDecodeResult result = korvale::DecodeBmp(data, size);
  if (!result.ok()) {
    if (!result.image.pixels.empty()) std::abort();
    return 0;
  }
  const korvale::PixelImage& image = result.image;
  if (image.Empty() ||
      image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
    std::abort();
  }
  // A decoded picture survives a trip through the encoder unchanged (pixels are 24-bit).
  for (std::uint32_t p : image.pixels) {
    if (p > 0xFFFFFF) std::abort();
  }
  if (image.pixels.size() <= 4096) {
    const std::vector<std::uint8_t> again = korvale::EncodeBmp24(image);
    const korvale::BmpDecodeResult back = korvale::DecodeBmp(again.data(), again.size());
    if (!back.ok() || back.image.pixels != image.pixels) std::abort();
  }
  return 0;
}
