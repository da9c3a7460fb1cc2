#include "toolkit/Label.h"

#include "toolkit/WinControl.h"

namespace korvale {

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  width_ = 65;
  height_ = 17;
  SetParentColor(true);
}

UINT TLabel::DrawFlags() const {
  UINT flags = DT_EXPANDTABS;
  flags |= wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE;
  if (alignment_ == TAlignment::taRightJustify) flags |= DT_RIGHT;
  if (alignment_ == TAlignment::taCenter) flags |= DT_CENTER;
  return flags;
}

void TLabel::AdjustBounds() {
  if (!autoSize_) return;
  ClientDC screen(nullptr);
  SelectGuard font(screen.get(), Font().Handle());
  RECT r{0, 0, wordWrap_ ? width_ : 0, 0};
  const std::string text = caption_.empty() ? std::string(" ") : caption_;
  DrawTextA(screen.get(), text.data(), static_cast<int>(text.size()), &r, DrawFlags() | DT_CALCRECT);
  SetBounds(left_, top_, r.right, r.bottom);
}

void TLabel::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  AdjustBounds();
}

void TLabel::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Invalidate();
}

void TLabel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void TLabel::SetWordWrap(bool wrap) {
  wordWrap_ = wrap;
  AdjustBounds();
  Invalidate();
}

void TLabel::TextChanged() { AdjustBounds(); }

void TLabel::FontChanged() {
  AdjustBounds();
  TGraphicControl::FontChanged();
}

void TLabel::WndProc(TMessage& message) {
  if (message.Msg == CM_PARENTFONTCHANGED) {
    TGraphicControl::WndProc(message);
    AdjustBounds();
    return;
  }
  TGraphicControl::WndProc(message);
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  RECT r = ClientRect();
  if (!transparent_) {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(r);
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  if (!Enabled()) {
    OffsetRect(&r, 1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    canvas.TextRect(r, caption_, DrawFlags());
    OffsetRect(&r, -1, -1);
    canvas.Font().SetColor(clBtnShadow);
  }
  canvas.TextRect(r, caption_, DrawFlags());
}

}  // namespace korvale
