#include "skin/paint/FramePaint.h"

#include <algorithm>
#include <cstdint>

#include "skin/data/SkinElements.h"
#include "skin/paint/PieceBlit.h"
#include "skin/paint/TransparentBlit.h"
#include "toolkit/Canvas.h"
#include "toolkit/GdiHandles.h"

namespace korvale {

namespace {

bool Inverted(const RECT& rect) { return rect.right < rect.left || rect.bottom < rect.top; }

// A 32-bit bitmap of the given size filled with the key colour, or null without area.
std::unique_ptr<TBitmap> KeyFilledBitmap(int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(32);
  bitmap->SetSize(width, height);
  if (bitmap->Empty()) return nullptr;
  constexpr std::uint32_t kKeyPixel = 0xFF00FF;
  for (int y = 0; y < height; ++y)
    std::fill_n(static_cast<std::uint32_t*>(bitmap->ScanLine(y)), width, kKeyPixel);
  return bitmap;
}

PixelRect FrameOf(const TBitmap& strip, StripLayout layout, int frameCount, int frame) {
  return FrameInStrip(strip.Width(), strip.Height(), frameCount, frame, layout);
}

// One whole frame stretched into a new bitmap of the destination's size.
std::unique_ptr<TBitmap> StretchedFrame(const RECT& dest, const TBitmap& strip, int frameCount,
                                        int frame) {
  if (strip.Empty() || Inverted(dest)) return nullptr;
  auto bitmap = KeyFilledBitmap(dest.right - dest.left, dest.bottom - dest.top);
  if (!bitmap) return nullptr;
  const PixelRect whole{0, 0, bitmap->Width(), bitmap->Height()};
  BlitPieces(bitmap->MemoryDC(), 0, 0, strip.MemoryDC(),
             StretchFramePieces(whole, FrameOf(strip, StripLayout::SideBySide, frameCount, frame)));
  return bitmap;
}

// Copies a composed bitmap to the destination's top-left, through the colour-key mask when
// transparent.
void CopyOut(HDC dc, const RECT& dest, const TBitmap& bitmap, bool transparent) {
  if (transparent) {
    BlitTransparent(dc, dest, bitmap);
    return;
  }
  BitBlt(dc, dest.left, dest.top, bitmap.Width(), bitmap.Height(), bitmap.MemoryDC(), 0, 0,
         SRCCOPY);
}

// The same through the toolkit's transparent draw, as the painters that mark a bitmap
// transparent do.
void DrawOut(HDC dc, const RECT& dest, const TBitmap& bitmap, bool transparent) {
  if (!transparent) {
    CopyOut(dc, dest, bitmap, false);
    return;
  }
  const RECT whole{0, 0, bitmap.Width(), bitmap.Height()};
  const RECT at{dest.left, dest.top, dest.left + whole.right, dest.top + whole.bottom};
  DrawTransparent(dc, at, bitmap.MemoryDC(), whole, kSkinKeyColour);
}

}  // namespace

FrameMargins ElementMargins(const TDataSkinObject& element) {
  return {element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
}

std::unique_ptr<TBitmap> ComposeFrame(int width, int height, const TBitmap& strip,
                                      FrameMargins margins, StripLayout layout, bool tile,
                                      int frameCount, int frame) {
  if (strip.Empty()) return nullptr;
  auto bitmap = KeyFilledBitmap(width, height);
  if (!bitmap) return nullptr;
  BlitPieces(bitmap->MemoryDC(), 0, 0, strip.MemoryDC(),
             ComposeFramePieces(width, height, FrameOf(strip, layout, frameCount, frame),
                                margins, tile));
  return bitmap;
}

void DrawSkinFrame(HDC dc, const RECT& dest, const TBitmap& strip, StripLayout layout,
                   bool tile, bool transparent, FrameMargins margins, int frameCount, int frame) {
  if (Inverted(dest)) return;
  const auto composed = ComposeFrame(dest.right - dest.left, dest.bottom - dest.top, strip,
                                     margins, layout, tile, frameCount, frame);
  if (composed) CopyOut(dc, dest, *composed, transparent);
}

void DrawSkinFrame(HDC dc, const RECT& dest, const TDataSkinObject& element, int frameCount,
                   int frame) {
  DrawSkinFrame(dc, dest, *element.Image, StripLayout::SideBySide, element.Tile != 0,
                element.Trans == 1, ElementMargins(element), frameCount, frame);
}

void DrawSpeedButtonFrame(HDC work, const RECT& dest, const TDataSkinObject& element,
                          TColor face, int frameCount, int frame) {
  if (Inverted(dest)) return;
  const auto composed =
      ComposeFrame(dest.right - dest.left, dest.bottom - dest.top, *element.Image,
                   ElementMargins(element), StripLayout::SideBySide, element.Tile != 0,
                   frameCount, frame);
  if (!composed) return;
  const UniqueBrush brush(CreateSolidBrush(ColorToRGB(face)));
  FillRect(work, &dest, brush.get());
  DrawOut(work, dest, *composed, element.Trans == 1);
}

void DrawBorderFrame(HDC dc, const RECT& dest, const TBitmap& strip, StripLayout layout,
                     int frameCount, int frame, FrameMargins margins) {
  if (strip.Empty()) return;
  BlitPieces(dc, 0, 0, strip.MemoryDC(),
             BorderFramePieces(ToPixelRect(dest), FrameOf(strip, layout, frameCount, frame),
                               margins));
}

void StretchFrame(HDC dc, const RECT& dest, const TBitmap& strip, bool transparent,
                  int frameCount, int frame) {
  if (const auto stretched = StretchedFrame(dest, strip, frameCount, frame))
    CopyOut(dc, dest, *stretched, transparent);
}

void DrawFrameTransparent(HDC dc, const RECT& dest, int frameCount, int frame,
                          const TBitmap& strip) {
  if (const auto stretched = StretchedFrame(dest, strip, frameCount, frame))
    DrawOut(dc, dest, *stretched, true);
}

void DrawThreeSlice(HDC dc, const RECT& dest, const TBitmap& strip, StripLayout layout,
                    bool transparent, int frameCount, int frame, FrameMargins margins) {
  if (strip.Empty() || Inverted(dest)) return;
  const int width = dest.right - dest.left;
  const int height = dest.bottom - dest.top;
  const auto bitmap = KeyFilledBitmap(width, height);
  if (!bitmap) return;
  BlitPieces(bitmap->MemoryDC(), 0, 0, strip.MemoryDC(),
             ThreeSlicePieces(width, height, FrameOf(strip, layout, frameCount, frame),
                              margins.left, margins.right));
  DrawOut(dc, dest, *bitmap, transparent);
}

void TileRect(HDC dc, const RECT& dest, const TBitmap& source, const RECT& sourceRect) {
  if (source.Empty()) return;
  BlitPieces(dc, 0, 0, source.MemoryDC(), TilePieces(ToPixelRect(dest), ToPixelRect(sourceRect)));
}

}  // namespace korvale
