#include "core/SoftBlit.h"

namespace korvale {

namespace {

// The source pixel under the centre of destination pixel `d` of `destLength`, a hair to the
// left: where GDI enlarges in COLORONCOLOR mode it samples exactly so.
int SamplePixel(long long d, long long sourceLength, long long destLength) {
  return static_cast<int>(((2 * d + 1) * sourceLength - 1) / (2 * destLength));
}

}  // namespace

void StretchCopy(PixelImage& dst, PixelRect dest, const PixelImage& src, PixelRect source,
                 bool transparent, std::uint32_t key) {
  if (!dest.HasArea() || !source.HasArea()) return;
  const long long dw = dest.Width();
  const long long dh = dest.Height();
  const long long sw = source.Width();
  const long long sh = source.Height();
  for (int y = dest.top; y < dest.bottom; ++y) {
    if (y < 0 || y >= dst.height) continue;
    const int sy = source.top + SamplePixel(y - dest.top, sh, dh);
    if (sy < 0 || sy >= src.height) continue;
    for (int x = dest.left; x < dest.right; ++x) {
      if (x < 0 || x >= dst.width) continue;
      const int sx = source.left + SamplePixel(x - dest.left, sw, dw);
      if (sx < 0 || sx >= src.width) continue;
      const std::uint32_t pixel = src.At(sx, sy) & 0xFFFFFF;
      if (transparent && pixel == key) continue;
      dst.Set(x, y, pixel);
    }
  }
}

void DrawPieces(PixelImage& dst, int x, int y, const PixelImage& src,
                const std::vector<BlitPiece>& pieces, bool transparent) {
  for (const BlitPiece& piece : pieces)
    StretchCopy(dst, piece.dest.Moved(x, y), src, piece.source, transparent);
}

void BlitTransparent(PixelImage& dst, int x, int y, const PixelImage& src, std::uint32_t key) {
  const PixelRect whole{0, 0, src.width, src.height};
  StretchCopy(dst, whole.Moved(x, y), src, whole, true, key);
}

void CopyImage(PixelImage& dst, int x, int y, const PixelImage& src) {
  const PixelRect whole{0, 0, src.width, src.height};
  StretchCopy(dst, whole.Moved(x, y), src, whole);
}

PixelImage ComposeFrame(int width, int height, const PixelImage& strip, int frameCount,
                        int frame, StripLayout layout, FrameMargins margins, bool tile) {
  PixelImage out;
  if (width <= 0 || height <= 0) return out;
  out.Resize(width, height, kTransparentKey);
  const PixelRect source = FrameInStrip(strip.width, strip.height, frameCount, frame, layout);
  DrawPieces(out, 0, 0, strip, ComposeFramePieces(width, height, source, margins, tile));
  return out;
}

PixelImage ComposeThreeSlice(int width, int height, const PixelImage& strip, int frameCount,
                             int frame, StripLayout layout, int leftCap, int rightCap) {
  PixelImage out;
  if (width <= 0 || height <= 0) return out;
  out.Resize(width, height, kTransparentKey);
  const PixelRect source = FrameInStrip(strip.width, strip.height, frameCount, frame, layout);
  DrawPieces(out, 0, 0, strip, ThreeSlicePieces(width, height, source, leftCap, rightCap));
  return out;
}

void TileRect(PixelImage& dst, PixelRect dest, const PixelImage& src, PixelRect source) {
  DrawPieces(dst, 0, 0, src, TilePieces(dest, source));
}

}  // namespace korvale
