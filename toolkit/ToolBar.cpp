#include "toolkit/ToolBar.h"

namespace korvale {

TToolBar::TToolBar(TComponent* owner) : TCustomControl(owner) {
  width_ = 150;
  height_ = 29;
}

void TToolBar::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.style |= WS_CLIPCHILDREN;
}

void TToolBar::SetFlat(bool flat) {
  flat_ = flat;
  Invalidate();
}

void TToolBar::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Invalidate();
}

void TToolBar::Paint(TCanvas& canvas) {
  RECT rect = ClientRect();
  if (!transparent_) canvas.FillRect(rect);
  if (!flat_) DrawEdge(canvas.Handle(), &rect, BDR_RAISEDINNER, BF_TOP | BF_BOTTOM);
}

}  // namespace korvale
