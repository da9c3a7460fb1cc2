#pragma once

#include <vector>

namespace korvale {

// Pure geometry of frame strips and nine-slice drawing: which source rectangle of a strip
// lands on which destination rectangle. The Win32 painters and the software blitter only
// execute the pieces computed here.

struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool HasArea() const { return right > left && bottom > top; }
  bool Inverted() const { return right < left || bottom < top; }
  PixelRect Moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  bool operator==(const PixelRect&) const = default;
};

// Fixed parts of a frame that keep their size when the frame is drawn larger or smaller.
struct FrameMargins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const FrameMargins&) const = default;
};

enum class StripLayout { SideBySide, Stacked };

// One stretch: the source rectangle (in strip coordinates) drawn into the destination.
struct BlitPiece {
  PixelRect dest;
  PixelRect source;
  bool operator==(const BlitPiece&) const = default;
};

// Frame `frame` (1-based) of a strip of `frameCount` equal frames. Integer division; the
// remainder pixels are never used. A frame count below 1 counts as 1 and the frame number
// is held inside 1..frameCount, so a bad skin value never reads outside the strip.
PixelRect FrameInStrip(int imageWidth, int imageHeight, int frameCount, int frame,
                       StripLayout layout);

// The glyph a glyph strip shows: glyph `index` (1-based) of `numGlyphs` side by side when
// the strip holds four, otherwise always the first.
PixelRect GlyphInStrip(int stripWidth, int stripHeight, int numGlyphs, int index);

// Margins after dropping the pairs that do not fit a destination of width x height.
FrameMargins FitMargins(int width, int height, FrameMargins margins);

// The nine pieces of one frame composed into a width x height bitmap, in drawing order
// (corners, edges, centre, then the right/bottom pieces that cover a tiled overhang). With
// `tile` the centre becomes a run of unscaled copies from the centre's top-left corner,
// column by column; an empty source centre then draws nothing.
std::vector<BlitPiece> ComposeFramePieces(int width, int height, PixelRect frame,
                                          FrameMargins margins, bool tile);

// The eight corner and edge pieces of ComposeFrame placed at the destination rectangle;
// the centre is left alone. An inverted destination gives nothing.
std::vector<BlitPiece> BorderFramePieces(PixelRect dest, PixelRect frame, FrameMargins margins);

// The whole frame stretched over the destination. An inverted destination gives nothing.
std::vector<BlitPiece> StretchFramePieces(PixelRect dest, PixelRect frame);

// A horizontal three-slice into a width x height bitmap: the left cap, the middle repeated
// unscaled in width, and the right cap drawn last over the middle's overhang. A middle of
// no width draws no middle pieces.
std::vector<BlitPiece> ThreeSlicePieces(int width, int height, PixelRect frame, int leftCap,
                                        int rightCap);

// The source rectangle repeated over the destination from its top-left corner, column by
// column; the last tiles overhang and are not clipped. No area in the source gives nothing.
std::vector<BlitPiece> TilePieces(PixelRect dest, PixelRect source);

}  // namespace korvale
