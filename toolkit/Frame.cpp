#include "toolkit/Frame.h"

namespace korvale {

TCustomFrame::TCustomFrame(TComponent* owner) : TCustomControl(owner) {
  width_ = 320;
  height_ = 240;
  // A frame is a piece of its form: it shows the form's colour, also when a skin recolours it.
  SetParentColor(true);
}

void TCustomFrame::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.style |= WS_CLIPCHILDREN;
}

}  // namespace korvale
