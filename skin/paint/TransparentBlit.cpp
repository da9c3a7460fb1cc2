#include "skin/paint/TransparentBlit.h"

#include <algorithm>

#include "skin/paint/DcGuards.h"
#include "toolkit/GdiHandles.h"
#include "toolkit/PlatformVersion.h"

namespace korvale {

namespace {

// A monochrome mask of the bitmap: 1 where it has the key colour, 0 elsewhere. A colour to
// monochrome copy sets exactly the pixels of the source DC's background colour.
UniqueBitmap KeyMask(const TBitmap& bitmap, COLORREF key) {
  UniqueBitmap mask(CreateBitmap(bitmap.Width(), bitmap.Height(), 1, 1, nullptr));
  if (!mask) return mask;
  const UniqueDC maskDC(CreateCompatibleDC(nullptr));
  const SelectGuard selected(maskDC.get(), mask.get());
  HDC source = bitmap.MemoryDC();
  const BackgroundColourGuard background(source, key);
  BitBlt(maskDC.get(), 0, 0, bitmap.Width(), bitmap.Height(), source, 0, 0, SRCCOPY);
  return mask;
}

}  // namespace

KeyMaskMethod PlatformKeyMaskMethod() {
  return PlatformId() == VER_PLATFORM_WIN32_NT ? KeyMaskMethod::MaskBlt
                                               : KeyMaskMethod::InvertAndInvert;
}

void BlitTransparent(HDC dc, const RECT& dest, const TBitmap& bitmap, COLORREF key,
                     KeyMaskMethod method) {
  if (dest.right < dest.left || dest.bottom < dest.top || bitmap.Empty()) return;
  // Never read past the bitmap, whatever the destination's size.
  const int w = std::min<int>(dest.right - dest.left, bitmap.Width());
  const int h = std::min<int>(dest.bottom - dest.top, bitmap.Height());
  if (w == 0 || h == 0) return;
  const UniqueBitmap mask = KeyMask(bitmap, key);
  if (!mask) return;
  HDC source = bitmap.MemoryDC();
  if (method == KeyMaskMethod::MaskBlt) {
    // Mask 1 (key) keeps the destination, mask 0 copies the source.
    MaskBlt(dc, dest.left, dest.top, w, h, source, 0, 0, mask.get(), 0, 0,
            MAKEROP4(0x00AA0029, SRCCOPY));
    return;
  }
  const UniqueDC maskDC(CreateCompatibleDC(nullptr));
  const SelectGuard selected(maskDC.get(), mask.get());
  // The mask's 0 bits become black and its 1 bits white on the destination.
  const TextColoursGuard colours(dc, RGB(0, 0, 0), RGB(255, 255, 255));
  BitBlt(dc, dest.left, dest.top, w, h, source, 0, 0, SRCINVERT);
  BitBlt(dc, dest.left, dest.top, w, h, maskDC.get(), 0, 0, SRCAND);
  BitBlt(dc, dest.left, dest.top, w, h, source, 0, 0, SRCINVERT);
}

}  // namespace korvale
