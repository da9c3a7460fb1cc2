#include "tests/support/PixelOracle.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "tests/support/WinTestSupport.h"

namespace korvale::testing {

namespace {

int ChannelDifference(std::uint32_t a, std::uint32_t b) {
  int worst = 0;
  for (int shift : {0, 8, 16})
    worst = std::max(worst, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                     static_cast<int>((b >> shift) & 0xFF)));
  return worst;
}

}  // namespace

PixelImage CaptureImage(HDC dc, const RECT& rect) {
  const PixelBuffer buffer =
      CaptureRect(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  PixelImage image;
  image.width = buffer.width;
  image.height = buffer.height;
  image.pixels = buffer.pixels;
  return image;
}

int MaxChannelDifference(const PixelImage& expected, const PixelImage& actual) {
  int worst = 0;
  const std::size_t count = std::min(expected.pixels.size(), actual.pixels.size());
  for (std::size_t i = 0; i < count; ++i)
    worst = std::max(worst, ChannelDifference(expected.pixels[i], actual.pixels[i]));
  return worst;
}

::testing::AssertionResult MatchesOracle(const PixelImage& expected, const PixelImage& actual,
                                         int tolerance) {
  if (expected.width != actual.width || expected.height != actual.height) {
    return ::testing::AssertionFailure() << "size " << actual.width << " x " << actual.height
                                         << ", expected " << expected.width << " x "
                                         << expected.height;
  }
  for (int y = 0; y < expected.height; ++y) {
    for (int x = 0; x < expected.width; ++x) {
      const int difference = ChannelDifference(expected.At(x, y), actual.At(x, y));
      if (difference > tolerance) {
        return ::testing::AssertionFailure()
               << "pixel (" << x << ", " << y << ") is " << std::hex << actual.At(x, y)
               << ", expected " << expected.At(x, y) << std::dec << " (difference "
               << difference << " > " << tolerance << ")";
      }
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace korvale::testing
