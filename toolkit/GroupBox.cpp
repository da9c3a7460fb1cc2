#include "toolkit/GroupBox.h"

#include "toolkit/Button.h"
#include "toolkit/Form.h"

namespace korvale {

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
  width_ = 185;
  height_ = 105;
  SetParentColor(true);
}

void TCustomGroupBox::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.style |= WS_CLIPCHILDREN;
  params.classStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
}

void TCustomGroupBox::Paint(TCanvas& canvas) {
  const int textHeight = canvas.TextHeight("0");
  RECT frame = ClientRect();
  frame.top += textHeight / 2;
  DrawEdge(canvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
  const std::string text = Caption();
  if (text.empty()) return;
  SIZE size = canvas.TextExtent(text);
  RECT textRect{8, 0, 8 + size.cx + 4, textHeight};
  canvas.Brush().SetColor(Color());
  canvas.FillRect(textRect);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  canvas.TextRect(textRect, text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void TCustomGroupBox::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR && IsAccel(message.WParam, Caption()) && CanFocus()) {
    if (TForm* form = ParentForm()) form->SelectNext(this, true, true);
    message.Result = 1;
    return;
  }
  if (message.Msg == CM_TEXTCHANGED) Invalidate();
  TCustomControl::WndProc(message);
}

}  // namespace korvale
