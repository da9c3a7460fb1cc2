#pragma once

#include <cstddef>  // PixelImage.h uses size_t
#include <string>

#include "core/PixelImage.h"
#include "tools/skinart/Paint.h"

namespace korvale::skinart {

// A small proportional bitmap font (cap height 7, descenders 2) for the preview's texts and
// the pictures' lettering, so the output needs no font files.
inline constexpr int kFontAscent = 7;
inline constexpr int kFontHeight = 9;

int TextWidth(const std::string& text, bool bold = false);
// Draws with the top of the capitals at y.
void DrawText(PixelImage& image, int x, int y, const std::string& text, Colour colour,
              bool bold = false);

}  // namespace korvale::skinart
