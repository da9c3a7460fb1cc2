#pragma once

// Captions, icon captions and glyphs of the control skinners.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "toolkit/Bitmap.h"
#include "toolkit/Canvas.h"

namespace korvale {

// `text` in the canvas's font (plain style, transparent background), centred vertically and
// aligned horizontally by `align` (DT_LEFT, DT_CENTER, DT_RIGHT and other DrawText flags);
// in the system's grey-text colour when not enabled.
void DrawCaption(TCanvas& canvas, const RECT& rect, UINT align, bool enabled,
                 const std::string& text);

// Icon `imageIndex` of `images` and `text` side by side, the pair placed left (alignment 0),
// centred (1) or right (2) in the rectangle and centred vertically. No icon for index -1 or
// no list; grey text when not enabled.
void DrawIconCaption(TCanvas& canvas, const RECT& rect, int alignment, const std::string& text,
                     int imageIndex, HIMAGELIST images, bool enabled);

// One glyph of a strip of `numGlyphs` side by side, its top-left at (x, y), transparent in
// the colour of its own top-left pixel: glyph `index` (1-based) when the strip holds four,
// otherwise the first.
void DrawGlyph(HDC dc, int x, int y, int numGlyphs, int index, const TBitmap& strip);

}  // namespace korvale
