#include "skin/controls/SkinSpeedButton.h"

#include "core/ButtonStates.h"
#include "skin/controls/ButtonFacePaint.h"
#include "skin/data/SkinData.h"
#include "skin/paint/FramePaint.h"
#include "skin/paint/WorkBitmap.h"
#include "toolkit/SpeedButton.h"

namespace korvale {

bool TSkinSpeedButton::HasButtonImage() const {
  const TDataSkinButton* buttons = FSkinData->Buttons.get();
  return buttons && buttons->Image && !buttons->Image->Empty();
}

bool TSkinSpeedButton::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      // Without a button image the control keeps painting itself.
      if (!HasButtonImage() || !message.WParam) return true;
      Paint(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      CallDefault(message);
      FMouseState |= kMousePressed;
      PaintWindow(nullptr);
      return false;
    default:
      return TSkinButton::BeforeMessage(message);
  }
}

void TSkinSpeedButton::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCDESTROY:
    case CM_RELEASE:
      RestoreWindowProc();
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (message.WParam != VK_SPACE) break;
      if (message.Msg == WM_KEYDOWN) FMouseState |= kMousePressed;
      else FMouseState &= ~kMousePressed;
      PaintWindow(nullptr);
      break;
    case WM_LBUTTONUP:
      FMouseState &= ~kMousePressed;
      PaintWindow(nullptr);
      break;
    case CM_MOUSEENTER:
      FMouseState |= kMouseHot;
      PaintWindow(nullptr);
      break;
    case CM_MOUSELEAVE:
      FMouseState &= ~(kMouseHot | kMousePressed);
      if (FGraphicControl && FGraphicControl->Visible()) PaintWindow(nullptr);
      break;
    default:
      TSkinButton::AfterMessage(message);
      break;
  }
}

void TSkinSpeedButton::PaintWindow(HDC) {
  if (!FGraphicControl || !HasButtonImage()) return;
  const GraphicControlDC dc(*FGraphicControl);
  if (dc.get()) Paint(dc.get());
}

void TSkinSpeedButton::Paint(HDC dc) {
  auto* button = dynamic_cast<TSpeedButton*>(FGraphicControl);
  if (!button) return;
  const RECT client = button->ClientRect();
  const int width = client.right, height = client.bottom;
  if (width <= 0 || height <= 0) return;
  FEnabled = button->Enabled();
  const int frame = SpeedButtonFrame({.enabled = FEnabled,
                                      .pressed = (FMouseState & kMousePressed) != 0,
                                      .hot = (FMouseState & kMouseHot) != 0,
                                      .down = button->Down()});
  TBitmap& work = WorkBitmap(width, height);
  const TDataSkinButton& buttons = *FSkinData->Buttons;
  DrawSpeedButtonFrame(work.MemoryDC(), client, buttons, FSkinData->ColorButtonFace, buttons.FrameCount, frame);
  TCanvas& canvas = work.Canvas();
  canvas.Font().Assign(button->Font());
  canvas.Font().SetColor(ButtonTextColour(*FSkinData, frame, true));
  DrawGlyphAndCaption(canvas, width, height, button->Glyph(), button->Caption(), frame, FEnabled, true);
  BitBlt(dc, 0, 0, width, height, work.MemoryDC(), 0, 0, SRCCOPY);
}

}  // namespace korvale
