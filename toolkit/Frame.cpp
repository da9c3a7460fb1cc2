#include "toolkit/Frame.h"

namespace korvale {

TCustomFrame::TCustomFrame(TComponent* owner) : TCustomControl(owner) {
  width_ = 320;
  height_ = 240;
}

void TCustomFrame::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.style |= WS_CLIPCHILDREN;
}

}  // namespace korvale
