#pragma once

// What the push, bitmap and speed button skinners draw alike: the caption's font and
// colour, and the glyph and caption laid out on the button face.
#include <windows.h>

#include <string>

#include "toolkit/Canvas.h"
#include "toolkit/Graphics.h"

namespace korvale {

class TSkinData;
struct TButtonGlyph;

// Gives the canvas the font the window reports (WM_GETFONT), or the system's GUI font.
void TakeWindowFont(TCanvas& canvas, HWND window);

// The caption colour for a frame: the skin's button text colour, replaced by the Buttons
// element's colour of the frame (normal, hot, pressed); with `onlyGiven`, only by colours
// the skin sets itself.
TColor ButtonTextColour(const TSkinData& skin, int frame, bool onlyGiven);

// The glyph (its strip index chosen from the frame) and the caption, placed by the
// glyph's layout, margin and spacing over a face of width x height. Without a glyph the
// caption is centred. Speed buttons centre a derived margin one pixel further in.
void DrawGlyphAndCaption(TCanvas& canvas, int width, int height, const TButtonGlyph& glyph,
                         const std::string& caption, int frame, bool enabled, bool speedButton);

}  // namespace korvale
