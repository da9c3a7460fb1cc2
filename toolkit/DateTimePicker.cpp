#include "toolkit/DateTimePicker.h"

#include <commctrl.h>

namespace korvale {

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  width_ = 186;
  height_ = 21;
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClass = DATETIMEPICK_CLASSA;
  if (dateMode_ == TDTDateMode::dmUpDown) params.style |= DTS_UPDOWN;
}

void TDateTimePicker::SetDateMode(TDTDateMode mode) {
  if (mode == dateMode_) return;
  dateMode_ = mode;
  if (HandleAllocated()) RecreateWnd();
}

}  // namespace korvale
