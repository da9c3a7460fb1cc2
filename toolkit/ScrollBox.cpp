#include "toolkit/ScrollBox.h"

#include <algorithm>

#include "toolkit/ScrollCodes.h"

namespace korvale {

namespace {
constexpr int kLine = 8;
}  // namespace

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner) {
  width_ = 185;
  height_ = 41;
}

void TScrollBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.style |= WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL;
  params.exStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::UpdateScrollRange() {
  if (!HandleAllocated()) return;
  int right = 0, bottom = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    right = std::max(right, Controls(i)->Left() + Controls(i)->Width() + position_[SB_HORZ]);
    bottom = std::max(bottom, Controls(i)->Top() + Controls(i)->Height() + position_[SB_VERT]);
  }
  RECT client{};
  GetClientRect(handle_, &client);
  const int extent[2] = {right, bottom};
  const int page[2] = {static_cast<int>(client.right), static_cast<int>(client.bottom)};
  for (const int bar : {SB_HORZ, SB_VERT}) {
    SCROLLINFO info{sizeof info, SIF_ALL | SIF_DISABLENOSCROLL, 0, std::max(extent[bar] - 1, 0),
                    static_cast<UINT>(page[bar]), position_[bar], 0};
    SetScrollInfo(handle_, bar, &info, TRUE);
  }
}

void TScrollBox::Scroll(int bar, int code) {
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(handle_, bar, &info);
  const std::optional<int> stepped =
      SteppedPosition(code, info.nPos, kLine, static_cast<int>(info.nPage), info.nTrackPos);
  if (!stepped) return;
  const int position =
      std::clamp(*stepped, info.nMin, std::max(info.nMin, info.nMax - static_cast<int>(info.nPage) + 1));
  const int delta = position_[bar] - position;
  if (delta == 0) return;
  position_[bar] = position;
  info.fMask = SIF_POS;
  info.nPos = position;
  SetScrollInfo(handle_, bar, &info, TRUE);
  ScrollWindowEx(handle_, bar == SB_HORZ ? delta : 0, bar == SB_VERT ? delta : 0, nullptr, nullptr, nullptr,
                 nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
}

void TScrollBox::WndProc(TMessage& message) {
  if (const std::optional<int> bar = OwnScrollBar(message.Msg, message.LParam)) {
    Scroll(*bar, LOWORD(message.WParam));
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
  if (message.Msg == WM_SIZE) UpdateScrollRange();
}

}  // namespace korvale
