#include "toolkit/Bevel.h"

namespace korvale {

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
  width_ = 50;
  height_ = 50;
}

void TBevel::SetShape(TBevelShape shape) {
  shape_ = shape;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle style) {
  style_ = style;
  Invalidate();
}

void TBevel::Paint() {
  TCanvas& canvas = Canvas();
  const TColor dark = style_ == TBevelStyle::bsLowered ? clBtnShadow : clBtnHighlight;
  const TColor light = style_ == TBevelStyle::bsLowered ? clBtnHighlight : clBtnShadow;
  const int w = width_;
  const int h = height_;
  auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
    canvas.Pen().SetColor(color);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
  };
  auto box = [&](int l, int t, int r, int b, TColor topLeft, TColor bottomRight) {
    line(topLeft, l, b - 1, l, t);
    line(topLeft, l, t, r, t);
    line(bottomRight, r - 1, t, r - 1, b - 1);
    line(bottomRight, r - 1, b - 1, l - 1, b - 1);
  };
  switch (shape_) {
    case TBevelShape::bsBox:
      box(0, 0, w, h, dark, light);
      break;
    case TBevelShape::bsFrame:
      box(0, 0, w - 1, h - 1, dark, dark);
      box(1, 1, w, h, light, light);
      break;
    case TBevelShape::bsTopLine:
      line(dark, 0, 0, w, 0);
      line(light, 0, 1, w, 1);
      break;
    case TBevelShape::bsBottomLine:
      line(dark, 0, h - 2, w, h - 2);
      line(light, 0, h - 1, w, h - 1);
      break;
    case TBevelShape::bsLeftLine:
      line(dark, 0, 0, 0, h);
      line(light, 1, 0, 1, h);
      break;
    case TBevelShape::bsRightLine:
      line(dark, w - 2, 0, w - 2, h);
      line(light, w - 1, 0, w - 1, h);
      break;
  }
}

}  // namespace korvale
