#include "toolkit/Grids.h"

#include <algorithm>

#include "toolkit/Canvas.h"
#include "toolkit/ScrollCodes.h"

namespace korvale {

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner) {
  SetTabStop(true);
  SetColor(clWindow);
  width_ = 320;
  height_ = 120;
}

void TCustomGrid::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.style |= WS_HSCROLL | WS_VSCROLL;
  params.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomGrid::InitializeHandle() { UpdateScrollBars(); }

void TCustomGrid::SetColCount(int count) {
  colCount_ = std::max(count, 1);
  UpdateScrollBars();
}

void TCustomGrid::SetRowCount(int count) {
  rowCount_ = std::max(count, 1);
  UpdateScrollBars();
}

void TCustomGrid::SetDefaultColWidth(int width) {
  colWidth_ = std::max(width, 1);
  UpdateScrollBars();
}

void TCustomGrid::SetDefaultRowHeight(int height) {
  rowHeight_ = std::max(height, 1);
  UpdateScrollBars();
}

void TCustomGrid::SetFixedColor(TColor color) {
  fixedColor_ = color;
  Invalidate();
}

// One bar position per scrollable column or row; the page is what fits beside the fixed one.
void TCustomGrid::UpdateScrollBars() {
  if (!HandleAllocated()) return;
  RECT client{};
  GetClientRect(handle_, &client);
  const int counts[2] = {colCount_ - 1, rowCount_ - 1};
  const int fits[2] = {std::max<int>((client.right - colWidth_) / colWidth_, 1),
                       std::max<int>((client.bottom - rowHeight_) / rowHeight_, 1)};
  for (const int bar : {SB_HORZ, SB_VERT}) {
    first_[bar] = std::clamp(first_[bar], 0, std::max(counts[bar] - fits[bar], 0));
    SCROLLINFO info{sizeof info, SIF_ALL | SIF_DISABLENOSCROLL, 0, std::max(counts[bar] - 1, 0),
                    static_cast<UINT>(fits[bar]), first_[bar], 0};
    SetScrollInfo(handle_, bar, &info, TRUE);
  }
  Invalidate();
}

void TCustomGrid::Scroll(int bar, int code) {
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(handle_, bar, &info);
  const std::optional<int> first =
      SteppedPosition(code, first_[bar], 1, static_cast<int>(info.nPage), info.nTrackPos);
  if (!first) return;
  first_[bar] = *first;
  UpdateScrollBars();
}

// Cells hold nothing: scrolling changes only how many rows and columns remain to be shown.
void TCustomGrid::Paint(TCanvas& canvas) {
  const RECT client = ClientRect();
  canvas.Brush().SetColor(Color());
  canvas.FillRect(client);
  const int rows = rowCount_ - first_[SB_VERT], cols = colCount_ - first_[SB_HORZ];
  for (int row = 0; row < rows && row * rowHeight_ < client.bottom; ++row)
    for (int col = 0; col < cols && col * colWidth_ < client.right; ++col) {
      const bool fixed = row == 0 || col == 0;
      RECT cell{col * colWidth_, row * rowHeight_, (col + 1) * colWidth_ - 1, (row + 1) * rowHeight_ - 1};
      canvas.Brush().SetColor(fixed ? fixedColor_ : Color());
      canvas.FillRect(cell);
      if (fixed) DrawEdge(canvas.Handle(), &cell, BDR_RAISEDINNER, BF_RECT);
    }
}

void TCustomGrid::WndProc(TMessage& message) {
  if (const std::optional<int> bar = OwnScrollBar(message.Msg, message.LParam)) {
    Scroll(*bar, LOWORD(message.WParam));
    message.Result = 0;
    return;
  }
  TCustomControl::WndProc(message);
  if (message.Msg == WM_SIZE) UpdateScrollBars();
}

}  // namespace korvale
