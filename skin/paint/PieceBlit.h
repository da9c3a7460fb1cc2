#pragma once

// Executes the pieces of core/FrameGeometry with StretchBlt in COLORONCOLOR mode.
#include <windows.h>

#include <vector>

#include "core/FrameGeometry.h"

namespace korvale {

// Draws each piece from `source` (strip coordinates) to its destination moved by (x, y).
// Pieces without area on either side are skipped, as the software blitter skips them, so
// an inverted source rectangle never mirrors.
void BlitPieces(HDC dc, int x, int y, HDC source, const std::vector<BlitPiece>& pieces);

// A RECT as the geometry's rectangle.
inline PixelRect ToPixelRect(const RECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace korvale
