#include "core/FrameGeometry.h"

#include <algorithm>

namespace korvale {

PixelRect FrameInStrip(int imageWidth, int imageHeight, int frameCount, int frame,
                       StripLayout layout) {
  const int count = std::max(frameCount, 1);
  const int index = std::clamp(frame, 1, count) - 1;
  if (layout == StripLayout::Stacked) {
    const int fh = imageHeight / count;
    return {0, index * fh, imageWidth, (index + 1) * fh};
  }
  const int fw = imageWidth / count;
  return {index * fw, 0, (index + 1) * fw, imageHeight};
}

PixelRect GlyphInStrip(int stripWidth, int stripHeight, int numGlyphs, int index) {
  const int count = std::max(numGlyphs, 1);
  const int gw = stripWidth / count;
  const int shown = count == 4 ? std::clamp(index, 1, 4) - 1 : 0;
  return {shown * gw, 0, (shown + 1) * gw, stripHeight};
}

FrameMargins FitMargins(int width, int height, FrameMargins margins) {
  if (width < margins.left + margins.right) {
    margins.left = 0;
    margins.right = 0;
  }
  if (height < margins.top + margins.bottom) {
    margins.top = 0;
    margins.bottom = 0;
  }
  return margins;
}

namespace {

// The eight border pieces and the centre of a frame, in the fixed drawing order; the
// centre is marked so that tiling can expand it in place.
struct NineSlice {
  std::vector<BlitPiece> pieces;
  int centreIndex = -1;
};

NineSlice SliceFrame(int w, int h, PixelRect frame, FrameMargins margins, bool withCentre) {
  const auto [l, t, r, b] = FitMargins(w, h, margins);
  const int fw = frame.Width();
  const int fh = frame.Height();
  const int x0 = frame.left;
  const int y0 = frame.top;
  NineSlice out;
  auto add = [&](bool when, PixelRect dest, PixelRect src) {
    if (when) out.pieces.push_back({dest, src.Moved(x0, y0)});
  };
  add(l * t > 0, {0, 0, l, t}, {0, 0, l, t});
  add(l * b > 0, {0, h - b, l, h}, {0, fh - b, l, fh});
  add(r * t > 0, {w - r, 0, w, t}, {fw - r, 0, fw, t});
  add(l > 0, {0, t, l, h - b}, {0, t, l, fh - b});
  add(t > 0, {l, 0, w - r, t}, {l, 0, fw - r, t});
  if (withCentre) {
    out.centreIndex = static_cast<int>(out.pieces.size());
    add(true, {l, t, w - r, h - b}, {l, t, fw - r, fh - b});
  }
  add(r * b > 0, {w - r, h - b, w, h}, {fw - r, fh - b, fw, fh});
  add(r > 0, {w - r, t, w, h - b}, {fw - r, t, fw, fh - b});
  add(b > 0, {l, h - b, w - r, h}, {l, fh - b, fw - r, fh});
  return out;
}

}  // namespace

std::vector<BlitPiece> ComposeFramePieces(int width, int height, PixelRect frame,
                                          FrameMargins margins, bool tile) {
  NineSlice slice = SliceFrame(width, height, frame, margins, true);
  if (!tile) return std::move(slice.pieces);
  const BlitPiece centre = slice.pieces[slice.centreIndex];
  std::vector<BlitPiece> tiles = TilePieces(centre.dest, centre.source);
  std::vector<BlitPiece> out(slice.pieces.begin(), slice.pieces.begin() + slice.centreIndex);
  out.insert(out.end(), tiles.begin(), tiles.end());
  out.insert(out.end(), slice.pieces.begin() + slice.centreIndex + 1, slice.pieces.end());
  return out;
}

std::vector<BlitPiece> BorderFramePieces(PixelRect dest, PixelRect frame, FrameMargins margins) {
  if (dest.Inverted()) return {};
  std::vector<BlitPiece> pieces =
      SliceFrame(dest.Width(), dest.Height(), frame, margins, false).pieces;
  for (BlitPiece& piece : pieces) piece.dest = piece.dest.Moved(dest.left, dest.top);
  return pieces;
}

std::vector<BlitPiece> StretchFramePieces(PixelRect dest, PixelRect frame) {
  if (dest.Inverted()) return {};
  return {{dest, frame}};
}

std::vector<BlitPiece> ThreeSlicePieces(int width, int height, PixelRect frame, int leftCap,
                                        int rightCap) {
  if (width < 0 || height < 0) return {};
  const int fw = frame.Width();
  const int x0 = frame.left;
  const int y0 = frame.top;
  const int y1 = frame.bottom;
  std::vector<BlitPiece> out;
  out.push_back({{0, 0, leftCap, height}, {x0, y0, x0 + leftCap, y1}});
  const int m = fw - leftCap - rightCap;
  if (m > 0) {
    for (int x = leftCap; x < width - rightCap; x += m)
      out.push_back({{x, 0, x + m, height}, {x0 + leftCap, y0, x0 + leftCap + m, y1}});
  }
  out.push_back({{width - rightCap, 0, width, height}, {x0 + fw - rightCap, y0, x0 + fw, y1}});
  return out;
}

std::vector<BlitPiece> TilePieces(PixelRect dest, PixelRect source) {
  if (!source.HasArea()) return {};
  const int tw = source.Width();
  const int th = source.Height();
  std::vector<BlitPiece> out;
  for (int x = dest.left; x < dest.right; x += tw)
    for (int y = dest.top; y < dest.bottom; y += th) out.push_back({{x, y, x + tw, y + th}, source});
  return out;
}

}  // namespace korvale
