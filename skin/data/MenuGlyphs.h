#pragma once

#include <windows.h>
#include <commctrl.h>

namespace korvale {

// The menu glyphs of the skinned system menu: restore, maximise, minimise and close, 16 x 16
// each, black on white with white as the mask colour. They come from the bitmap resource
// "LUMETRAMENU" (64 x 16, monochrome) when the program carries it, else from the same
// pictures built in. The caller destroys the list.
HIMAGELIST CreateMenuImages();

}  // namespace korvale
