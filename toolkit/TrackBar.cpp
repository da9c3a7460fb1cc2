#include "toolkit/TrackBar.h"

#include <commctrl.h>

#include <algorithm>

namespace korvale {

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  // Shows its container's colour, so a recoloured group box or page carries it.
  SetParentColor(true);
  width_ = 150;
  height_ = 45;
}

void TTrackBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClass = TRACKBAR_CLASSA;
  params.style |= TBS_AUTOTICKS;
  params.style |= orientation_ == TTrackBarOrientation::trVertical ? (TBS_VERT | TBS_RIGHT)
                                                                  : (TBS_HORZ | TBS_BOTTOM);
}

void TTrackBar::InitializeHandle() {
  SendMessageA(handle_, TBM_SETRANGEMIN, FALSE, min_);
  SendMessageA(handle_, TBM_SETRANGEMAX, FALSE, max_);
  SendMessageA(handle_, TBM_SETLINESIZE, 0, lineSize_);
  SendMessageA(handle_, TBM_SETPAGESIZE, 0, pageSize_);
  SendMessageA(handle_, TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
  SendMessageA(handle_, TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetRange(int min, int max) {
  if (max < min) max = min;
  min_ = min;
  max_ = max;
  if (HandleAllocated()) {
    SendMessageA(handle_, TBM_SETRANGEMIN, FALSE, min_);
    SendMessageA(handle_, TBM_SETRANGEMAX, TRUE, max_);
    SendMessageA(handle_, TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
  }
  SetPosition(position_);
}

void TTrackBar::SetPosition(int position) {
  position = std::clamp(position, min_, max_);
  if (position == position_) return;
  position_ = position;
  if (HandleAllocated()) SendMessageA(handle_, TBM_SETPOS, TRUE, position_);
  if (OnChange) OnChange(this);
}

void TTrackBar::SetFrequency(int frequency) {
  frequency_ = frequency;
  if (HandleAllocated()) SendMessageA(handle_, TBM_SETTICFREQ, static_cast<WPARAM>(frequency), 0);
}

void TTrackBar::SetLineSize(int size) {
  lineSize_ = size;
  if (HandleAllocated()) SendMessageA(handle_, TBM_SETLINESIZE, 0, size);
}

void TTrackBar::SetPageSize(int size) {
  pageSize_ = size;
  if (HandleAllocated()) SendMessageA(handle_, TBM_SETPAGESIZE, 0, size);
}

void TTrackBar::SetOrientation(TTrackBarOrientation orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  RecreateWnd();
}

void TTrackBar::PositionFromWindow() {
  const int now = static_cast<int>(SendMessageA(handle_, TBM_GETPOS, 0, 0));
  if (now == position_) return;
  position_ = now;
  if (OnChange) OnChange(this);
}

void TTrackBar::WndProc(TMessage& message) {
  if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
    PositionFromWindow();
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}

}  // namespace korvale
