#pragma once

// Decodes BMP file bytes into a PixelImage, validating every size and offset.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/PixelImage.h"

namespace korvale {

struct BmpDecodeResult {
  PixelImage image;
  std::string error;
  bool ok() const { return error.empty(); }
};

BmpDecodeResult DecodeBmp(const std::uint8_t* data, std::size_t size);

}  // namespace korvale
