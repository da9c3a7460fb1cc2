#include "skin/controls/SkinButton.h"

#include "core/ButtonStates.h"
#include "skin/controls/ButtonFacePaint.h"
#include "skin/data/SkinData.h"
#include "skin/paint/CaptionPaint.h"
#include "skin/paint/FramePaint.h"
#include "toolkit/BitBtn.h"

namespace korvale {

namespace {
constexpr int kButtonFrames = 5;
}  // namespace

bool TSkinButton::BeforeMessage(TMessage& message) {
  if (PaintWholeControl(message)) return false;
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!FFocused) SetFocus(FHandle);
      FMouseState |= kMousePressed;
      PaintWindow(nullptr);
      return false;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinButton::BecomeHot() {
  FMouseState |= kMouseHot;
  TControlSkinnerBase* hot = FForm->HotButton();
  if (hot && hot != this && hot->SkinnedHandle()) SendMessageA(hot->SkinnedHandle(), CM_MOUSELEAVE, 0, 0);
  if (FForm->HotButton() != this) {
    Redraw();
    FForm->SetHotButton(this);
  }
}

void TSkinButton::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (message.WParam == VK_SPACE) {
        if (message.Msg == WM_KEYDOWN) FMouseState |= kMousePressed;
        else FMouseState &= ~kMousePressed;
        Redraw();
      }
      break;
    case WM_MOUSEMOVE:
      if (!(FMouseState & kMouseHot)) BecomeHot();
      break;
    case WM_LBUTTONUP:
      if (!(FMouseState & kMousePressed)) break;
      FMouseState &= ~kMousePressed;
      Redraw();
      if (FControl) FControl->Click();
      else PostMessageA(GetParent(FHandle), WM_COMMAND, GetDlgCtrlID(FHandle), reinterpret_cast<LPARAM>(FHandle));
      break;
    case CM_MOUSEENTER:
      if (!FEnabled) break;
      FMouseState |= kMouseHot;
      Redraw();
      FForm->SetHotButton(this);
      break;
    case CM_MOUSELEAVE:
      if (!FEnabled) break;
      FMouseState &= ~(kMouseHot | kMousePressed);
      Redraw();
      if (FForm->HotButton() == this) FForm->SetHotButton(nullptr);
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

int TSkinButton::Frame() const {
  return PushButtonFrame({.enabled = FEnabled,
                          .pressed = (FMouseState & kMousePressed) != 0,
                          .hot = (FMouseState & kMouseHot) != 0,
                          .focused = FFocused});
}

void TSkinButton::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinButton* buttons = FSkinData->Buttons.get();
  if (!buttons || !buttons->Image || buttons->Image->Empty()) return;
  RefreshLook();
  FCaption = WindowText(FHandle);
  if (FCaption.empty() && FControl) FCaption = FControl->Caption();
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  const int frame = Frame();
  FBuffer.SetSize(width, height);
  const RECT face{0, 0, width, height};
  HDC buffer = FBuffer.MemoryDC();
  FillFace(buffer, face);
  DrawSkinFrame(buffer, face, *buttons, kButtonFrames, frame);
  TCanvas& canvas = FBuffer.Canvas();
  TakeWindowFont(canvas, FHandle);
  DrawFace(canvas, width, height, frame);
  BitBlt(dc, rect.left, rect.top, width, height, buffer, 0, 0, SRCCOPY);
}

void TSkinButton::DrawFace(TCanvas& canvas, int width, int height, int frame) {
  canvas.Font().SetColor(ButtonTextColour(*FSkinData, frame, false));
  DrawCaption(canvas, RECT{0, 0, width, height}, DT_CENTER, FEnabled, FCaption);
}

void TSkinBitButton::DrawFace(TCanvas& canvas, int width, int height, int frame) {
  const auto* button = dynamic_cast<const TBitBtn*>(FControl);
  if (!button) {
    TSkinButton::DrawFace(canvas, width, height, frame);
    return;
  }
  canvas.Font().SetColor(ButtonTextColour(*FSkinData, frame, true));
  DrawGlyphAndCaption(canvas, width, height, button->Glyph(), FCaption, frame, FEnabled, false);
}

}  // namespace korvale
