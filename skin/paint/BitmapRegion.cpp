#include "skin/paint/BitmapRegion.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

#include "core/RegionRuns.h"

namespace korvale {

namespace {

// ExtCreateRegion is given at most this many rectangles at a time.
constexpr std::size_t kRectanglesPerRegion = 2000;

UniqueRegion RegionOfRectangles(const PixelRect* rects, std::size_t count) {
  std::vector<std::byte> data(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
  RGNDATAHEADER header{};
  header.dwSize = sizeof header;
  header.iType = RDH_RECTANGLES;
  header.nCount = static_cast<DWORD>(count);
  header.rcBound = {0, 0, 0, 0};
  for (std::size_t i = 0; i < count; ++i) {
    const RECT rect{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
    if (i == 0) header.rcBound = rect;
    header.rcBound.left = std::min(header.rcBound.left, rect.left);
    header.rcBound.top = std::min(header.rcBound.top, rect.top);
    header.rcBound.right = std::max(header.rcBound.right, rect.right);
    header.rcBound.bottom = std::max(header.rcBound.bottom, rect.bottom);
    std::memcpy(data.data() + sizeof header + i * sizeof rect, &rect, sizeof rect);
  }
  std::memcpy(data.data(), &header, sizeof header);
  return UniqueRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                      reinterpret_cast<const RGNDATA*>(data.data())));
}

}  // namespace

UniqueRegion RegionFromBitmap(const TBitmap& bitmap, int offsetX, int offsetY,
                              int toleranceBlue, int toleranceGreen, int toleranceRed,
                              COLORREF key) {
  const std::uint32_t keyPixel = static_cast<std::uint32_t>(GetRValue(key)) << 16 |
                                 static_cast<std::uint32_t>(GetGValue(key)) << 8 | GetBValue(key);
  const std::vector<PixelRect> runs =
      OpaqueRuns(bitmap.ToImage(), keyPixel, {toleranceRed, toleranceGreen, toleranceBlue},
                 offsetX, offsetY);
  UniqueRegion result;
  for (std::size_t first = 0; first == 0 || first < runs.size(); first += kRectanglesPerRegion) {
    const std::size_t count = std::min(kRectanglesPerRegion, runs.size() - first);
    UniqueRegion part = RegionOfRectangles(runs.data() + first, count);
    if (!result) {
      result = std::move(part);
    } else if (part) {
      CombineRgn(result.get(), result.get(), part.get(), RGN_OR);
    }
  }
  return result;
}

}  // namespace korvale
