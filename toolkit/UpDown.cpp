#include "toolkit/UpDown.h"

#include <commctrl.h>

#include <algorithm>

namespace korvale {

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
  width_ = 17;
  height_ = 25;
}

void TUpDown::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClass = UPDOWN_CLASSA;
  params.style |= UDS_ARROWKEYS;
  if (orientation_ == TUDOrientation::udHorizontal) params.style |= UDS_HORZ;
}

void TUpDown::InitializeHandle() {
  SendMessageA(handle_, UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  SendMessageA(handle_, UDM_SETPOS32, 0, position_);
}

void TUpDown::SaveHandleState() {
  position_ = Position();
  TWinControl::SaveHandleState();
}

int TUpDown::Position() const {
  if (!HandleAllocated()) return position_;
  return static_cast<int>(SendMessageA(handle_, UDM_GETPOS32, 0, 0));
}

void TUpDown::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  if (HandleAllocated()) SendMessageA(handle_, UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  SetPosition(Position());
}

void TUpDown::SetPosition(int position) {
  position_ = std::clamp(position, min_, max_);
  if (HandleAllocated()) SendMessageA(handle_, UDM_SETPOS32, 0, position_);
}

void TUpDown::SetOrientation(TUDOrientation orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  if (HandleAllocated()) RecreateWnd();
}

void TUpDown::WndProc(TMessage& message) {
  // Without a buddy the button tells its parent by a scroll message, reflected here.
  if ((message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) && LOWORD(message.WParam) == SB_THUMBPOSITION) {
    position_ = Position();
    if (OnChange) OnChange(this);
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}

}  // namespace korvale
