#include "toolkit/ScrollBar.h"

#include <algorithm>

#include "toolkit/ScrollCodes.h"

namespace korvale {

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  width_ = 121;
  height_ = GetSystemMetrics(SM_CYHSCROLL);
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClass = "SCROLLBAR";
  params.style |= kind_ == TScrollBarKind::sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::InitializeHandle() { UpdateBar(); }

void TScrollBar::UpdateBar() {
  if (!HandleAllocated()) return;
  SCROLLINFO info{sizeof info, SIF_ALL | SIF_DISABLENOSCROLL, min_, max_, static_cast<UINT>(pageSize_), position_, 0};
  SetScrollInfo(handle_, SB_CTL, &info, TRUE);
}

void TScrollBar::SetKind(TScrollBarKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  // A form description gives the size it wants for either kind.
  if (!HasState(TComponentState::Loading)) std::swap(width_, height_);
  if (HandleAllocated()) RecreateWnd();
}

void TScrollBar::SetParams(int position, int min, int max) {
  max = std::max(min, max);
  const int last = pageSize_ > 0 ? std::max(min, max - pageSize_ + 1) : max;
  position = std::clamp(position, min, last);
  const bool moved = position != position_;
  min_ = min;
  max_ = max;
  position_ = position;
  UpdateBar();
  if (moved && OnChange) OnChange(this);
}

void TScrollBar::SetPageSize(int size) {
  pageSize_ = std::max(size, 0);
  SetParams(position_, min_, max_);
}

void TScrollBar::Scroll(int code, int thumbPosition) {
  if (const auto stepped = SteppedPosition(code, position_, smallChange_, largeChange_, thumbPosition)) {
    SetPosition(*stepped);
  } else if (code == SB_TOP) {
    SetPosition(min_);
  } else if (code == SB_BOTTOM) {
    SetPosition(max_);
  }
}

void TScrollBar::WndProc(TMessage& message) {
  if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
    // The 16-bit position of the notification is read back whole from the bar.
    SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
    GetScrollInfo(handle_, SB_CTL, &info);
    Scroll(LOWORD(message.WParam), info.nTrackPos);
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}

}  // namespace korvale
