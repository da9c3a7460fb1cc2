#pragma once

#include <cstddef>  // PixelImage.h uses size_t
#include <cstdint>
#include <vector>

#include "core/FrameGeometry.h"
#include "core/PixelImage.h"

namespace korvale {

// A software blitter over PixelImage that executes the pieces of FrameGeometry the way the
// Win32 painters do with StretchBlt in COLORONCOLOR mode (nearest pixel, no smoothing). When
// enlarging it samples as GDI does; when shrinking it may take a neighbour of GDI's pixel.

inline constexpr std::uint32_t kTransparentKey = 0xFF00FF;

// Stretches `source` (strip coordinates) of `src` onto `dest` of `dst`. Pixels outside
// either picture are skipped; with `transparent`, key-coloured source pixels are skipped.
void StretchCopy(PixelImage& dst, PixelRect dest, const PixelImage& src, PixelRect source,
                 bool transparent = false, std::uint32_t key = kTransparentKey);

// Runs pieces whose destinations are relative to (x, y) of `dst`.
void DrawPieces(PixelImage& dst, int x, int y, const PixelImage& src,
                const std::vector<BlitPiece>& pieces, bool transparent = false);

// Copies the whole of `src` to (x, y), leaving key-coloured pixels of `src` out.
void BlitTransparent(PixelImage& dst, int x, int y, const PixelImage& src,
                     std::uint32_t key = kTransparentKey);

// Copies the whole of `src` to (x, y).
void CopyImage(PixelImage& dst, int x, int y, const PixelImage& src);

// A new width x height picture holding frame `frame` of `strip`, nine-sliced. Pixels that
// no piece reaches stay magenta, as a composed bitmap's untouched pixels are not drawn by a
// transparent blit either.
PixelImage ComposeFrame(int width, int height, const PixelImage& strip, int frameCount,
                        int frame, StripLayout layout, FrameMargins margins, bool tile);

// A new width x height picture holding a three-slice of frame `frame` of `strip`.
PixelImage ComposeThreeSlice(int width, int height, const PixelImage& strip, int frameCount,
                             int frame, StripLayout layout, int leftCap, int rightCap);

// The source rectangle of `src` repeated over `dest` of `dst`, tiles not clipped.
void TileRect(PixelImage& dst, PixelRect dest, const PixelImage& src, PixelRect source);

}  // namespace korvale
