#pragma once

#include <cstddef>  // PixelImage.h uses size_t
#include <string>

#include "core/PixelImage.h"

namespace korvale::skinart {

// The program's own pictures, all in one style: a dark server tower with three lamps.
PixelImage PaintProgramIcon(int size);             // magenta is transparent
PixelImage PaintLogo();                            // 75 x 100
PixelImage PaintAboutPicture();                    // 90 x 134
PixelImage PaintMenuImage(int index);              // 16 x 16, magenta background
PixelImage PaintTitleGlyphStrip();                 // 64 x 16, black on white
PixelImage PaintLamp(int colour);                  // 14 x 14; 0 red, 1 yellow, 2 green

// Writes korvale.ico, logo.bmp, about.bmp, menuimages.bmp, menu0..4.bmp, lumetramenu.bmp,
// red.bmp, yellow.bmp, green.bmp and builtin-red.bmp into the folder.
bool WritePictures(const std::string& folder, std::string& error);

}  // namespace korvale::skinart
