#include "skin/controls/ScrollBarPaint.h"

#include "skin/data/SkinData.h"
#include "skin/paint/DcGuards.h"
#include "skin/paint/FramePaint.h"
#include "toolkit/Bitmap.h"
#include "toolkit/GdiHandles.h"

namespace korvale {

namespace {

constexpr int kBarThickness = 16;
constexpr int kMaxBarLength = 10000;
constexpr int kArrowFrames = 23;
constexpr int kTrackFrames = 4;

const TBitmap* ImageOf(const TDataSkinObject* element) {
  return element && element->Image && !element->Image->Empty() ? element->Image.get() : nullptr;
}

// A span along the bar as a rectangle of the 16-pixel-thick bitmap.
RECT Span(int kind, int start, int end) {
  return kind == kHorzBar ? RECT{start, 0, end, kBarThickness} : RECT{0, start, kBarThickness, end};
}

}  // namespace

int PressedPartOfScrollCode(int code, int kind) {
  const bool horz = kind == kHorzBar;
  switch (code) {
    case SB_LINEUP:
      return horz ? kPressedLeft : kPressedUp;
    case SB_LINEDOWN:
      return horz ? kPressedRight : kPressedDown;
    case SB_THUMBTRACK:
      return horz ? kPressedHorzThumb : kPressedVertThumb;
    default:
      return kPressedNone;
  }
}

bool SkinHasScrollBars(const TSkinData& skin) { return ImageOf(skin.Scrollbar.get()) != nullptr; }

void DrawScrollBar(HDC dc, const RECT& bar, const TSkinData& skin, int kind, int pressedPart, int buttonSize,
                   const ThumbMetrics* thumb) {
  const TBitmap* arrows = ImageOf(skin.Scrollbar.get());
  if (!arrows) return;
  const int width = bar.right - bar.left, height = bar.bottom - bar.top;
  if (width <= 0 || height <= 0 || width > kMaxBarLength || height > kMaxBarLength) return;
  const bool horz = kind == kHorzBar;
  const int length = horz ? width : height;
  TBitmap buffer;
  buffer.SetSize(horz ? length : kBarThickness, horz ? kBarThickness : length);
  HDC work = buffer.MemoryDC();
  const StretchModeGuard mode(work, COLORONCOLOR);
  {
    const UniqueBrush brush(CreateSolidBrush(ColorToRGB(skin.ColorScrollbar)));
    const RECT all{0, 0, buffer.Width(), buffer.Height()};
    FillRect(work, &all, brush.get());
  }
  const BarPieces pieces = LayoutBarPieces(length, buttonSize, thumb ? *thumb : ThumbMetrics{});
  const TDataSkinObject* track = horz ? skin.HorzScroll.get() : skin.VertScroll.get();
  if (ImageOf(track) && pieces.trackEnd > pieces.trackStart)
    DrawSkinFrame(work, Span(kind, pieces.trackStart, pieces.trackEnd), *track, kTrackFrames, 1);
  const int firstFrame = horz ? (pressedPart == kPressedLeft ? 2 : 1) : (pressedPart == kPressedUp ? 10 : 9);
  const int secondFrame = horz ? (pressedPart == kPressedRight ? 6 : 5) : (pressedPart == kPressedDown ? 14 : 13);
  DrawFrameTransparent(work, Span(kind, 0, pieces.firstButtonEnd), kArrowFrames, firstFrame, *arrows);
  DrawFrameTransparent(work, Span(kind, pieces.secondButtonStart, length), kArrowFrames, secondFrame, *arrows);
  const TDataSkinObject* thumbElement = horz ? skin.HorzScrollThumb.get() : skin.VertScrollThumb.get();
  if (thumb && pieces.thumb && ImageOf(thumbElement)) {
    const bool pressed = pressedPart == (horz ? kPressedHorzThumb : kPressedVertThumb);
    DrawSkinFrame(work, Span(kind, pieces.thumb->first, pieces.thumb->second), *thumbElement->Image,
                  StripLayout::SideBySide, false, thumbElement->Trans == 1, ElementMargins(*thumbElement),
                  thumbElement->FrameCount, pressed ? 2 : 1);
  }
  const StretchModeGuard target(dc, COLORONCOLOR);
  StretchBlt(dc, bar.left, bar.top, width, height, work, 0, 0, buffer.Width(), buffer.Height(), SRCCOPY);
}

}  // namespace korvale
