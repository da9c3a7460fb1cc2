#include "skin/forms/FramePaint.h"

#include <algorithm>
#include <vector>

namespace korvale {

namespace {

void RunPieces(HDC dc, int x, int y, const TBitmap& strip, const std::vector<BlitPiece>& pieces) {
  SetStretchBltMode(dc, COLORONCOLOR);
  for (const BlitPiece& p : pieces) {
    StretchBlt(dc, x + p.dest.left, y + p.dest.top, p.dest.Width(), p.dest.Height(),
               strip.MemoryDC(), p.source.left, p.source.top, p.source.Width(), p.source.Height(),
               SRCCOPY);
  }
}

std::unique_ptr<TBitmap> NewBitmap(int width, int height) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(32);
  bitmap->SetSize(width, height);
  return bitmap;
}

}  // namespace

std::unique_ptr<TBitmap> ComposeStripFrame(const TBitmap& strip, int width, int height,
                                           FrameMargins margins, StripLayout layout, bool tile,
                                           int frameCount, int frame) {
  auto bitmap = NewBitmap(width, height);
  if (strip.Empty() || width <= 0 || height <= 0) return bitmap;
  const PixelRect source = FrameInStrip(strip.Width(), strip.Height(), frameCount, frame, layout);
  RunPieces(bitmap->MemoryDC(), 0, 0, strip, ComposeFramePieces(width, height, source, margins, tile));
  return bitmap;
}

void BlitKeyed(HDC dc, int x, int y, const TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  const PixelImage image = bitmap.ToImage();
  // One run of non-key pixels at a time: exact, and free of the mask bitmaps whose
  // colour conversion differs between display drivers.
  for (int row = 0; row < image.height; ++row) {
    int col = 0;
    while (col < image.width) {
      while (col < image.width && image.At(col, row) == 0xFF00FF) ++col;
      const int start = col;
      while (col < image.width && image.At(col, row) != 0xFF00FF) ++col;
      if (col > start) BitBlt(dc, x + start, y + row, col - start, 1, bitmap.MemoryDC(), start, row, SRCCOPY);
    }
  }
}

void DrawStripThreeSlice(HDC dc, PixelRect dest, const TBitmap& strip, StripLayout layout,
                         bool transparent, int frameCount, int frame, int leftCap, int rightCap) {
  if (dest.Inverted() || !dest.HasArea() || strip.Empty()) return;
  const PixelRect source = FrameInStrip(strip.Width(), strip.Height(), frameCount, frame, layout);
  auto bitmap = NewBitmap(dest.Width(), dest.Height());
  RunPieces(bitmap->MemoryDC(), 0, 0, strip,
            ThreeSlicePieces(dest.Width(), dest.Height(), source, leftCap, rightCap));
  if (transparent) BlitKeyed(dc, dest.left, dest.top, *bitmap);
  else BitBlt(dc, dest.left, dest.top, dest.Width(), dest.Height(), bitmap->MemoryDC(), 0, 0, SRCCOPY);
}

UniqueRegion RegionOutsideMagenta(const TBitmap& bitmap, int dx, int dy) {
  UniqueRegion result(CreateRectRgn(0, 0, 0, 0));
  const PixelImage image = bitmap.ToImage();
  const auto isKey = [](std::uint32_t p) {
    return (p >> 16 & 0xFF) == 0xFF && (p >> 8 & 0xFF) <= 1 && (p & 0xFF) == 0xFF;
  };
  std::vector<RECT> rects;
  for (int y = 0; y < image.height; ++y) {
    int x = 0;
    while (x < image.width) {
      while (x < image.width && isKey(image.At(x, y))) ++x;
      const int start = x;
      while (x < image.width && !isKey(image.At(x, y))) ++x;
      if (x > start) rects.push_back({start + dx, y + dy, x + dx, y + 1 + dy});
    }
  }
  if (rects.empty()) return result;
  std::vector<unsigned char> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(rects.size());
  header->rcBound = {dx, dy, dx + image.width, dy + image.height};
  std::copy(rects.begin(), rects.end(), reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER)));
  result.reset(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                               reinterpret_cast<const RGNDATA*>(data.data())));
  return result;
}

}  // namespace korvale
