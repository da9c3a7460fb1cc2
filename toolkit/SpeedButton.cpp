#include "toolkit/SpeedButton.h"

#include "core/ButtonLayout.h"
#include "toolkit/WinControl.h"

namespace korvale {

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  width_ = 23;
  height_ = 22;
  glyph_.Glyph.OnChange = TNotifyEvent(this, &TSpeedButton::GlyphChanged);
}

void TSpeedButton::GlyphChanged(TObject*) { Invalidate(); }

void TSpeedButton::SetDown(bool down) {
  down_ = down;
  Invalidate();
}

void TSpeedButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = true;
      Invalidate();
      break;
    case WM_LBUTTONUP:
    case CM_MOUSELEAVE:
      if (pressed_) Invalidate();
      pressed_ = false;
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(message);
}

void TSpeedButton::Paint() {
  TCanvas& canvas = Canvas();
  RECT rect = ClientRect();
  canvas.Brush().SetColor(Color());
  canvas.FillRect(rect);
  DrawEdge(canvas.Handle(), &rect, down_ || pressed_ ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  const std::string text = Caption();
  const SIZE textSize = text.empty() ? SIZE{0, 0} : canvas.TextExtent(text);
  const auto place = PlaceGlyphAndCaption({width_, height_, glyph_.GlyphWidth(), glyph_.GlyphHeight(),
                                           static_cast<int>(textSize.cx), static_cast<int>(textSize.cy),
                                           static_cast<GlyphLayout>(glyph_.Layout), glyph_.Margin,
                                           glyph_.Spacing, true});
  if (!glyph_.Glyph.Empty()) {
    const RECT dest{place.glyph.left, place.glyph.top, place.glyph.right, place.glyph.bottom};
    const RECT source{0, 0, glyph_.GlyphWidth(), glyph_.GlyphHeight()};
    DrawTransparent(canvas.Handle(), dest, glyph_.Glyph.MemoryDC(), source,
                    glyph_.Glyph.Canvas().Pixel(0, glyph_.GlyphHeight() - 1));
  }
  if (text.empty()) return;
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  const RECT caption{place.caption.left, place.caption.top, place.caption.right, place.caption.bottom};
  canvas.TextRect(caption, text, DT_SINGLELINE);
}

GraphicControlDC::GraphicControlDC(TControl& control) {
  TWinControl* parent = control.Parent();
  if (!parent || !parent->HandleAllocated()) return;
  window_ = parent->Handle();
  dc_ = GetDC(window_);
  if (!dc_) return;
  saved_ = SaveDC(dc_);
  SetViewportOrgEx(dc_, control.Left(), control.Top(), nullptr);
  IntersectClipRect(dc_, 0, 0, control.Width(), control.Height());
}

GraphicControlDC::~GraphicControlDC() {
  if (!dc_) return;
  RestoreDC(dc_, saved_);
  ReleaseDC(window_, dc_);
}

}  // namespace korvale
