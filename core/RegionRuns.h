#pragma once

// The rows of a picture cut into runs of pixels outside a key colour range: the rectangles
// a window region is built from.
#include <cstdint>
#include <vector>

#include "core/FrameGeometry.h"
#include "core/PixelImage.h"

namespace korvale {

// How far above the key each channel may lie and still count as the key.
struct ChannelTolerance {
  int red = 0;
  int green = 0;
  int blue = 0;
};

// Whether `pixel` (0xRRGGBB) lies inside the key range on all three channels: each channel
// from the key's value to that value plus its tolerance, at most 255.
bool InKeyRange(std::uint32_t pixel, std::uint32_t key, ChannelTolerance tolerance);

// Row by row, from the left: every run of consecutive pixels outside the key range becomes
// the one-pixel-high rectangle it covers, moved by (offsetX, offsetY).
std::vector<PixelRect> OpaqueRuns(const PixelImage& image, std::uint32_t key,
                                  ChannelTolerance tolerance, int offsetX, int offsetY);

}  // namespace korvale
