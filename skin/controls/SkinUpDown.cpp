#include "skin/controls/SkinUpDown.h"

#include <commctrl.h>

#include "core/FieldGeometry.h"
#include "skin/data/SkinData.h"
#include "skin/paint/FramePaint.h"
#include "toolkit/Bitmap.h"
#include "toolkit/GdiHandles.h"

namespace korvale {

namespace {
constexpr int kUpDownFrames = 8;

RECT ToRect(const PixelRect& r) { return {r.left, r.top, r.right, r.bottom}; }
}  // namespace

bool TSkinUpDown::BeforeMessage(TMessage& message) {
  if (PaintWholeControl(message)) return false;
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      CallDefault(message);
      FMouseState |= kMousePressed;
      PaintWindow(nullptr);
      return false;
    case WM_LBUTTONUP:
      FMouseState &= ~kMousePressed;
      CallDefault(message);
      PaintWindow(nullptr);
      return false;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinUpDown::AfterMessage(TMessage& message) {
  // The half under the pointer changes as it moves; the button itself only redraws on
  // clicks, so hot halves are kept up to date here.
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      if (!(FMouseState & kMouseHot)) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, FHandle, 0};
        TrackMouseEvent(&track);
      }
      FMouseState |= kMouseHot;
      PaintWindow(nullptr);
      break;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      FMouseState &= ~(kMouseHot | kMousePressed);
      PaintWindow(nullptr);
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinUpDown::DrawSkin(HDC dc, const RECT& rect) {
  RECT client{};
  GetClientRect(FHandle, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  TBitmap buffer;
  buffer.SetSize(client.right, client.bottom);
  HDC work = buffer.MemoryDC();
  FillFace(work, client);
  if (FInEdit) InflateRect(&client, -1, -1);
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(FHandle, &cursor);
  FEnabled = !(GetWindowLongA(FHandle, GWL_STYLE) & WS_DISABLED) && IsWindowEnabled(FHandle);
  const bool horizontal = FHorizontal == 1 || (GetWindowLongA(FHandle, GWL_STYLE) & UDS_HORZ);
  const TDataSkinBorder* element = horizontal ? FSkinData->UpDownHorz.get() : FSkinData->UpDownVert.get();
  const bool skinned = element && element->Image && !element->Image->Empty() && element->Image2 &&
                       !element->Image2->Empty();
  const UpDownHalves halves =
      SplitUpDown(client.right - client.left, client.bottom - client.top, horizontal);
  const PixelRect parts[2] = {halves.first.Moved(client.left, client.top),
                              halves.second.Moved(client.left, client.top)};
  for (int second = 0; second < 2; ++second) {
    const RECT half = ToRect(parts[second]);
    const int state = UpDownHalfState(FEnabled, PtInRect(&half, cursor) != 0, (FMouseState & kMousePressed) != 0,
                                      (FMouseState & kMouseHot) != 0);
    const int button = (horizontal ? 2 : 0) + second;
    if (!skinned) {
      DrawPlainHalf(work, half, state, button);
      continue;
    }
    const int frame = UpDownFrame(state, second == 1);
    StretchFrame(work, half, *element->Image, true, kUpDownFrames, frame);
    const TBitmap& glyphs = *element->Image2;
    const PixelRect glyph = FrameInStrip(glyphs.Width(), glyphs.Height(), kUpDownFrames, frame,
                                         StripLayout::SideBySide);
    const int x = half.left + (half.right - half.left - glyph.Width()) / 2;
    const int y = half.top + (half.bottom - half.top - glyph.Height()) / 2;
    DrawFrameTransparent(work, RECT{x, y, x + glyph.Width(), y + glyph.Height()}, kUpDownFrames, frame, glyphs);
  }
  BitBlt(dc, rect.left, rect.top, buffer.Width(), buffer.Height(), work, 0, 0, SRCCOPY);
}

void TSkinUpDown::DrawPlainHalf(HDC dc, const RECT& half, int state, int button) {
  const bool sunk = state == 2 || state == 4;
  const UniqueBrush brush(CreateSolidBrush(ColorToRGB(sunk ? FSkinData->ColorButtonShadow : FSkinData->ColorButtonFace)));
  const UniquePen pen(CreatePen(PS_SOLID, 1, ColorToRGB(FSkinData->ColorButtonDkShadow)));
  const SelectGuard brushIn(dc, brush.get());
  const SelectGuard penIn(dc, pen.get());
  Rectangle(dc, half.left, half.top, half.right, half.bottom);
  const int cx = (half.left + half.right) / 2;
  const int cy = (half.top + half.bottom) / 2 - (button < 2 ? 2 : 0);
  // A small arrow: three lines shrinking towards its point.
  for (int i = 0; i < 3; ++i) {
    switch (button) {
      case 0:
        MoveToEx(dc, cx - i, cy + i + 1, nullptr), LineTo(dc, cx + i + 1, cy + i + 1);
        break;
      case 1:
        MoveToEx(dc, cx - i, cy + 3 - i, nullptr), LineTo(dc, cx + i + 1, cy + 3 - i);
        break;
      case 2:
        MoveToEx(dc, cx - 1 + i, cy - i, nullptr), LineTo(dc, cx - 1 + i, cy + i + 1);
        break;
      default:
        MoveToEx(dc, cx + 1 - i, cy - i, nullptr), LineTo(dc, cx + 1 - i, cy + i + 1);
        break;
    }
  }
}

}  // namespace korvale
