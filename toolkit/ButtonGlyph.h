#pragma once

// The glyph settings that bitmap and speed buttons share: a strip of NumGlyphs pictures
// side by side (normal, disabled, pressed, down), and where it sits beside the caption.
#include "toolkit/Bitmap.h"

namespace korvale {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct TButtonGlyph {
  TBitmap Glyph;
  int NumGlyphs = 1;
  TButtonLayout Layout = TButtonLayout::blGlyphLeft;
  int Margin = -1;
  int Spacing = 4;

  // One glyph's size; 0 x 0 without a picture.
  int GlyphWidth() const { return Glyph.Empty() ? 0 : Glyph.Width() / (NumGlyphs > 0 ? NumGlyphs : 1); }
  int GlyphHeight() const { return Glyph.Empty() ? 0 : Glyph.Height(); }
};

}  // namespace korvale
