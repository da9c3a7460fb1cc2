#include "skin/paint/PieceBlit.h"

#include "skin/paint/DcGuards.h"

namespace korvale {

void BlitPieces(HDC dc, int x, int y, HDC source, const std::vector<BlitPiece>& pieces) {
  const StretchModeGuard mode(dc, COLORONCOLOR);
  for (const BlitPiece& piece : pieces) {
    if (!piece.dest.HasArea() || !piece.source.HasArea()) continue;
    const PixelRect& d = piece.dest;
    const PixelRect& s = piece.source;
    StretchBlt(dc, d.left + x, d.top + y, d.Width(), d.Height(), source, s.left, s.top,
               s.Width(), s.Height(), SRCCOPY);
  }
}

}  // namespace korvale
