#include "toolkit/ProgressBar.h"

#include <commctrl.h>

#include <algorithm>

namespace korvale {

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
  width_ = 150;
  height_ = 16;
}

void TProgressBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClass = PROGRESS_CLASSA;
}

void TProgressBar::InitializeHandle() {
  SendMessageA(handle_, PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  SendMessageA(handle_, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  if (HandleAllocated()) SendMessageA(handle_, PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  SetPosition(position_);
}

void TProgressBar::SetPosition(int position) {
  position_ = std::clamp(position, min_, max_);
  if (HandleAllocated()) SendMessageA(handle_, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

}  // namespace korvale
