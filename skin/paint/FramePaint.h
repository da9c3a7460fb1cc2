#pragma once

// The frame-strip painters: one frame of a skin element's strip drawn at any size as a
// nine-slice, a border only, a plain stretch or a three-slice, opaque or with magenta
// transparent. Which source rectangle goes where comes from core/FrameGeometry; these
// functions only execute the pieces with GDI. Every call composes into fresh temporary
// bitmaps; an empty strip or an inverted destination draws nothing.
#include <windows.h>

#include <memory>

#include "core/FrameGeometry.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Graphics.h"

namespace korvale {

class TDataSkinObject;

// The element's four margins (left, top, right, bottom).
FrameMargins ElementMargins(const TDataSkinObject& element);

// Frame `frame` (1-based) of `frameCount` in `strip`, nine-sliced into a new width x height
// bitmap (32 bits per pixel). Pixels no piece reaches are magenta. Null for an empty strip
// or a size without area.
std::unique_ptr<TBitmap> ComposeFrame(int width, int height, const TBitmap& strip,
                                      FrameMargins margins, StripLayout layout, bool tile,
                                      int frameCount, int frame);

// ComposeFrame at the destination's size, copied to `dc` at the destination, leaving out
// magenta pixels when `transparent`.
void DrawSkinFrame(HDC dc, const RECT& dest, const TBitmap& strip, StripLayout layout,
                   bool tile, bool transparent, FrameMargins margins, int frameCount, int frame);
// The element's image side by side, its margins, its Tile, transparent when Trans is 1.
void DrawSkinFrame(HDC dc, const RECT& dest, const TDataSkinObject& element, int frameCount,
                   int frame);

// The speed-button variant: fills the destination on `work` (the shared work bitmap's DC)
// with `face`, then draws the composed frame over it (magenta left out when Trans is 1).
void DrawSpeedButtonFrame(HDC work, const RECT& dest, const TDataSkinObject& element,
                          TColor face, int frameCount, int frame);

// The eight corner and edge pieces straight into `dc`; the centre is left alone.
void DrawBorderFrame(HDC dc, const RECT& dest, const TBitmap& strip, StripLayout layout,
                     int frameCount, int frame, FrameMargins margins);

// One whole frame (side by side) stretched over the destination.
void StretchFrame(HDC dc, const RECT& dest, const TBitmap& strip, bool transparent,
                  int frameCount, int frame);

// One whole frame (side by side) stretched over the destination, magenta transparent,
// through the toolkit's transparent draw.
void DrawFrameTransparent(HDC dc, const RECT& dest, int frameCount, int frame,
                          const TBitmap& strip);

// A horizontal three-slice: the left cap (margins.left wide), the middle repeated unscaled in
// width, the right cap (margins.right wide) drawn last. When the caps leave no middle (the
// frame is no wider than both caps together) no middle piece is drawn.
void DrawThreeSlice(HDC dc, const RECT& dest, const TBitmap& strip, StripLayout layout,
                    bool transparent, int frameCount, int frame, FrameMargins margins);

// The source rectangle of `source` repeated over the destination from its top-left corner;
// the last tiles overhang and are not clipped. Nothing when the source rectangle is empty.
void TileRect(HDC dc, const RECT& dest, const TBitmap& source, const RECT& sourceRect);

}  // namespace korvale
