#include "skin/data/BitmapTransforms.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "toolkit/Bitmap.h"

namespace korvale {

namespace {

std::size_t BytesPerPixel(const TBitmap& bitmap) {
  return static_cast<std::size_t>(bitmap.PixelFormat()) / 8;
}

template <typename Place>
void Turn(TBitmap& bitmap, Place place) {
  if (bitmap.Empty()) return;
  const PixelImage before = bitmap.ToImage();
  PixelImage after;
  after.Resize(before.height, before.width);
  for (int y = 0; y < before.height; ++y) {
    for (int x = 0; x < before.width; ++x) {
      const POINT to = place(x, y, before.width, before.height);
      after.Set(to.x, to.y, before.At(x, y));
    }
  }
  bitmap.AssignImage(after);
}

}  // namespace

void MirrorHorizontal(TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  GdiFlush();
  const std::size_t bpp = BytesPerPixel(bitmap);
  const int width = bitmap.Width();
  for (int y = 0; y < bitmap.Height(); ++y) {
    auto* row = static_cast<std::uint8_t*>(bitmap.ScanLine(y));
    for (int left = 0, right = width - 1; left < right; ++left, --right) {
      std::swap_ranges(row + bpp * left, row + bpp * (left + 1), row + bpp * right);
    }
  }
}

void FlipVertical(TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  GdiFlush();
  const std::size_t stride = bitmap.Stride();
  for (int top = 0, bottom = bitmap.Height() - 1; top < bottom; ++top, --bottom) {
    auto* a = static_cast<std::uint8_t*>(bitmap.ScanLine(top));
    auto* b = static_cast<std::uint8_t*>(bitmap.ScanLine(bottom));
    std::swap_ranges(a, a + stride, b);
  }
}

void RotateLeft(TBitmap& bitmap) {
  Turn(bitmap, [](int x, int y, int width, int) { return POINT{y, width - 1 - x}; });
}

void RotateRight(TBitmap& bitmap) {
  Turn(bitmap, [](int x, int y, int, int height) { return POINT{height - 1 - y, x}; });
}

}  // namespace korvale
