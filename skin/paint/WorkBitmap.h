#pragma once

// The one work bitmap of the process, shared by the painters that fill an area and copy it
// out within one paint (status bar, progress bar, speed button, menu bar). It holds nothing
// between paints.
#include "toolkit/Bitmap.h"

namespace korvale {

// The shared work bitmap sized to width x height (made on first use), its DC in stretch mode
// COLORONCOLOR.
TBitmap& WorkBitmap(int width, int height);

}  // namespace korvale
