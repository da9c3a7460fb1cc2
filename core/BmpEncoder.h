#pragma once

#include <cstdint>
#include <vector>

#include "core/PixelImage.h"

namespace korvale {

// A 24-bit BI_RGB BMP file of the image: bottom-up rows padded to 4 bytes, no palette.
// An empty image gives no bytes.
std::vector<std::uint8_t> EncodeBmp24(const PixelImage& image);

}  // namespace korvale
