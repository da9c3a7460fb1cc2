#include "core/RegionRuns.h"

#include <algorithm>

namespace korvale {

namespace {

bool ChannelInRange(std::uint32_t pixel, std::uint32_t key, int shift, int tolerance) {
  const int value = static_cast<int>((pixel >> shift) & 0xFF);
  const int low = static_cast<int>((key >> shift) & 0xFF);
  const int high = std::min(255, low + tolerance);
  return value >= low && value <= high;
}

}  // namespace

bool InKeyRange(std::uint32_t pixel, std::uint32_t key, ChannelTolerance tolerance) {
  return ChannelInRange(pixel, key, 16, tolerance.red) &&
         ChannelInRange(pixel, key, 8, tolerance.green) &&
         ChannelInRange(pixel, key, 0, tolerance.blue);
}

std::vector<PixelRect> OpaqueRuns(const PixelImage& image, std::uint32_t key,
                                  ChannelTolerance tolerance, int offsetX, int offsetY) {
  std::vector<PixelRect> runs;
  if (image.Empty()) return runs;
  for (int y = 0; y < image.height; ++y) {
    int x = 0;
    while (x < image.width) {
      while (x < image.width && InKeyRange(image.At(x, y), key, tolerance)) ++x;
      const int start = x;
      while (x < image.width && !InKeyRange(image.At(x, y), key, tolerance)) ++x;
      if (x > start) runs.push_back({start + offsetX, y + offsetY, x + offsetX, y + 1 + offsetY});
    }
  }
  return runs;
}

}  // namespace korvale
