#include "skin/controls/SkinComBox.h"

#include "skin/data/SkinData.h"
#include "skin/paint/FramePaint.h"
#include "toolkit/Canvas.h"
#include "toolkit/GdiHandles.h"

namespace korvale {

namespace {

constexpr int kComboFrames = 4;
constexpr int kSimpleStyle = 1;

bool HasImage(const TDataSkinObject* element) { return element && element->Image && !element->Image->Empty(); }

}  // namespace

void TSkinComBox::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      FMouseState |= kMousePressed;
      PaintWindow(nullptr);
      break;
    case WM_LBUTTONUP:
      FMouseState &= ~kMousePressed;
      PaintWindow(nullptr);
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (!FEnabled) break;
      if (message.Msg == CM_MOUSEENTER) FMouseState |= kMouseHot;
      else FMouseState &= ~kMouseHot;
      PaintWindow(nullptr);
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

int TSkinComBox::State() const {
  if (FMouseState & kMousePressed) return 2;
  if (FFocused || (FMouseState & kMouseHot)) return 4;
  return FEnabled ? 1 : 3;
}

void TSkinComBox::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinBorder* button = FSkinData->ComboButton.get();
  if (!HasImage(button)) return;
  FStyle = GetWindowLongA(FHandle, GWL_STYLE);
  FExStyle = GetWindowLongA(FHandle, GWL_EXSTYLE);
  RefreshLook();
  // The edit or the list's selection owns the focus of a combo box.
  FFocused = FFocused || IsChild(FHandle, GetFocus());
  const int state = State();
  if (button->Style == kSimpleStyle) {
    DrawSimple(dc, rect, state);
    return;
  }
  const TDataSkinObject* edge = FSkinData->SunkEdge.get();
  if (!HasImage(edge)) return;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top, b = GetSystemMetrics(SM_CXHSCROLL);
  const bool left = FExStyle & WS_EX_LEFTSCROLLBAR;
  const RECT area = left ? RECT{b + 4, 2, w - 2, h - 2} : RECT{2, 2, w - b - 4, h - 2};
  const RECT place = left ? RECT{0, 0, b + 2, h} : RECT{w - b - 2, 0, w, h};
  const RECT glyphBox = left ? RECT{2, 0, b + 2, h} : RECT{w - b - 2, 0, w - 2, h};
  const TBitmap* image = left ? button->Image2.get() : button->Image.get();
  if (!image || image->Empty()) return;
  TBitmap buffer;
  buffer.SetSize(w, h);
  HDC work = buffer.MemoryDC();
  BitBlt(work, 0, 0, w, h, dc, rect.left, rect.top, SRCCOPY);
  DrawSkinFrame(work, RECT{0, 0, w, h}, *edge, kComboFrames, state);
  DrawFrameTransparent(work, place, kComboFrames, state, *image);
  const TDataSkinObject* extra = FSkinData->ExtraImages.get();
  if (HasImage(extra) && extra->FrameCount > 0) {
    const int gw = extra->Image->Width() / extra->FrameCount, gh = extra->Image->Height();
    const int x = glyphBox.left + (glyphBox.right - glyphBox.left - gw) / 2, y = (h - gh) / 2;
    DrawFrameTransparent(work, RECT{x, y, x + gw, y + gh}, extra->FrameCount, state, *extra->Image);
  }
  // One copy; the edit area keeps its own paint.
  const SavedDC saved(dc);
  ExcludeClipRect(dc, rect.left + area.left, rect.top + area.top, rect.left + area.right, rect.top + area.bottom);
  BitBlt(dc, rect.left, rect.top, w, h, work, 0, 0, SRCCOPY);
}

void TSkinComBox::DrawSimple(HDC dc, const RECT& rect, int state) {
  const TDataSkinBorder& button = *FSkinData->ComboButton;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  TBitmap buffer;
  buffer.SetSize(w, h);
  HDC work = buffer.MemoryDC();
  BitBlt(work, 0, 0, w, h, dc, rect.left, rect.top, SRCCOPY);
  HBRUSH current = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
  RECT inner{1, 1, w - 1, h - 1};
  FrameRect(work, &inner, current);
  InflateRect(&inner, -1, -1);
  const RECT place{inner.right - GetSystemMetrics(SM_CYVTHUMB), inner.top, inner.right, inner.bottom};
  FillRect(work, &place, current);
  StretchFrame(work, place, *button.Image, false, kComboFrames, state);
  const UniqueBrush shadow(CreateSolidBrush(ColorToRGB(FSkinData->ColorButtonShadow)));
  const RECT whole{0, 0, w, h};
  FrameRect(work, &whole, shadow.get());
  BitBlt(dc, rect.left, rect.top, w, h, work, 0, 0, SRCCOPY);
}

}  // namespace korvale
