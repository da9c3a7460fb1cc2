#pragma once

// Colour-key copies: a bitmap copied unscaled except the pixels of one key colour.
#include <windows.h>

#include "toolkit/Bitmap.h"

namespace korvale {

inline constexpr COLORREF kSkinKeyColour = RGB(255, 0, 255);

// How the key-coloured pixels are kept out: one MaskBlt on the NT family; elsewhere the
// bitmap is inverted onto the destination, cut by the mask and inverted back.
enum class KeyMaskMethod { MaskBlt, InvertAndInvert };
KeyMaskMethod PlatformKeyMaskMethod();

// Copies `bitmap` from its top-left to the destination (its width and height taken from
// the destination, no stretching), leaving the destination unchanged where the bitmap has
// `key`. Nothing for an inverted destination or an empty bitmap.
void BlitTransparent(HDC dc, const RECT& dest, const TBitmap& bitmap,
                     COLORREF key = kSkinKeyColour,
                     KeyMaskMethod method = PlatformKeyMaskMethod());

}  // namespace korvale
