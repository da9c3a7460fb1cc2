#include "skin/controls/SkinCheckBox.h"

#include "core/AsciiText.h"
#include "core/ButtonLayout.h"
#include "core/ButtonStates.h"
#include "skin/controls/PublishedEnum.h"
#include "skin/data/SkinData.h"
#include "skin/paint/FramePaint.h"
#include "toolkit/WinControl.h"

namespace korvale {

namespace {

// Toolkit and system messages after which the mark may look different.
constexpr UINT kMarkChanged = 0xB0D0;

bool ChangesMark(UINT msg) {
  switch (msg) {
    case BM_SETCHECK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case CM_EXIT:
    case kMarkChanged:
      return true;
    default:
      return false;
  }
}

// Whether the control shows its mark: the published "Checked" of a toolkit control, or
// bit 0 of the button's own answer.
bool MarkChecked(TWinControl* control, HWND window, UINT query) {
  if (control) {
    if (const auto value = PublishedEnumValue(control, "Checked")) return AsciiEqualsNoCase(*value, "true");
  }
  return (SendMessageA(window, query, 0, 0) & BST_CHECKED) != 0;
}

// Fills the mark's box with the face colour and draws the frame over it, magenta left out.
template <typename FillFaceFn>
void DrawMark(HDC dc, const RECT& rect, HWND window, const TBitmap* strip, int frames, int frame,
              FillFaceFn fillFace) {
  if (!strip || strip->Empty() || frames <= 0) return;
  const int fw = strip->Width() / frames, fh = strip->Height();
  const bool right = (GetWindowLongA(window, GWL_STYLE) & BS_RIGHTBUTTON) != 0;
  const PixelRect box = CheckGlyphRect({rect.left, rect.top, rect.right, rect.bottom}, fw, fh, right);
  const RECT dest{box.left, box.top, box.right, box.bottom};
  fillFace(dc, dest);
  DrawFrameTransparent(dc, dest, frames, frame, *strip);
}

}  // namespace

void TSkinCheckBox::AfterMessage(TMessage& message) {
  if (ChangesMark(message.Msg)) Redraw();
  else TSkinControl::AfterMessage(message);
}

void TSkinCheckBox::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinButton* buttons = FSkinData->Buttons.get();
  if (!buttons) return;
  const bool enabled = !(GetWindowLongA(FHandle, GWL_STYLE) & WS_DISABLED);
  const bool indeterminate = (SendMessageA(FHandle, BM_GETSTATE, 0, 0) & BST_INDETERMINATE) != 0;
  const int frame = CheckBoxFrame(MarkChecked(FControl, FHandle, BM_GETSTATE), enabled, indeterminate);
  DrawMark(dc, rect, FHandle, buttons->CheckImage.get(), buttons->CheckButtonFrame, frame,
           [this](HDC target, const RECT& box) { FillFace(target, box); });
}

void TSkinRadioButton::AfterMessage(TMessage& message) {
  if (ChangesMark(message.Msg)) Redraw();
  else TSkinControl::AfterMessage(message);
}

void TSkinRadioButton::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinButton* buttons = FSkinData->Buttons.get();
  if (!buttons) return;
  const bool enabled = !(GetWindowLongA(FHandle, GWL_STYLE) & WS_DISABLED);
  const int frame = RadioButtonFrame(MarkChecked(FControl, FHandle, BM_GETCHECK), enabled);
  DrawMark(dc, rect, FHandle, buttons->RadioImage.get(), buttons->RadioButtonFrame, frame,
           [this](HDC target, const RECT& box) { FillFace(target, box); });
}

}  // namespace korvale
