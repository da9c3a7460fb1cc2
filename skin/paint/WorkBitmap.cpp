#include "skin/paint/WorkBitmap.h"

namespace korvale {

TBitmap& WorkBitmap(int width, int height) {
  // Process-wide by design: made on first use, freed at program end.
  static TBitmap work;
  work.SetPixelFormat(32);
  work.SetSize(width, height);
  // A new size makes a new DIB and DC, so the mode is set on every call.
  if (!work.Empty()) SetStretchBltMode(work.MemoryDC(), COLORONCOLOR);
  return work;
}

}  // namespace korvale
