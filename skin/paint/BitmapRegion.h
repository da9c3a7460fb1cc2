#pragma once

// Window regions cut from skin pictures: every pixel outside a key colour range.
#include <windows.h>

#include "toolkit/Bitmap.h"
#include "toolkit/GdiHandles.h"

namespace korvale {

// The region of every pixel of `bitmap` whose colour is not inside the key range on all
// three channels (each channel from the key's value to that value plus its tolerance, at
// most 255), moved by (offsetX, offsetY). An all-key or empty bitmap gives an empty region.
UniqueRegion RegionFromBitmap(const TBitmap& bitmap, int offsetX, int offsetY,
                              int toleranceBlue, int toleranceGreen, int toleranceRed,
                              COLORREF key);

}  // namespace korvale
