#pragma once

// The few image primitives the form frame draws with: one frame of a strip nine-sliced or
// three-sliced at a size, magenta-keyed copies, and a region of a picture's non-magenta
// pixels. The geometry comes from core/FrameGeometry; these only blit.
#include <windows.h>

#include <memory>

#include "core/FrameGeometry.h"
#include "toolkit/Bitmap.h"
#include "toolkit/GdiHandles.h"

namespace korvale {

inline constexpr COLORREF kMagenta = RGB(255, 0, 255);

// A new width x height bitmap holding frame `frame` of `strip`, nine-sliced.
std::unique_ptr<TBitmap> ComposeStripFrame(const TBitmap& strip, int width, int height,
                                           FrameMargins margins, StripLayout layout, bool tile,
                                           int frameCount, int frame);

// Copies `bitmap` to (x, y) of `dc`, leaving its magenta pixels out.
void BlitKeyed(HDC dc, int x, int y, const TBitmap& bitmap);

// Left cap, repeated middle and right cap of frame `frame` over `dest`, magenta-keyed when
// `transparent`.
void DrawStripThreeSlice(HDC dc, PixelRect dest, const TBitmap& strip, StripLayout layout,
                         bool transparent, int frameCount, int frame, int leftCap, int rightCap);

// The region of every pixel of `bitmap` outside magenta (red 255, green 0..1, blue 255),
// moved by (dx, dy).
UniqueRegion RegionOutsideMagenta(const TBitmap& bitmap, int dx, int dy);

}  // namespace korvale
