#include "toolkit/Panel.h"

namespace korvale {

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  width_ = 185;
  height_ = 41;
}

void TCustomPanel::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.style |= WS_CLIPCHILDREN;
  params.classStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
}

void TCustomPanel::SetBevelOuter(TPanelBevel bevel) {
  bevelOuter_ = bevel;
  Invalidate();
}

void TCustomPanel::Paint(TCanvas& canvas) {
  RECT rect = ClientRect();
  canvas.FillRect(rect);
  if (bevelOuter_ != TPanelBevel::bvNone)
    DrawEdge(canvas.Handle(), &rect, bevelOuter_ == TPanelBevel::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER,
             BF_RECT);
  const std::string text = Caption();
  if (text.empty()) return;
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  canvas.TextRect(rect, text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void TCustomPanel::WndProc(TMessage& message) {
  if (message.Msg == CM_TEXTCHANGED) Invalidate();
  TCustomControl::WndProc(message);
}

}  // namespace korvale
