#include "toolkit/TabSet.h"

#include <algorithm>

#include "toolkit/Canvas.h"
#include "toolkit/GdiHandles.h"

namespace korvale {

namespace {
constexpr int kScrollerWidth = 32;
constexpr int kScrollerHeight = 16;
}  // namespace

TScroller::TScroller(TTabSet* tabSet) : TUpDown(tabSet) {
  SetOrientation(TUDOrientation::udHorizontal);
  SetVisible(false);
  SetParent(tabSet);
}

TTabSet::TTabSet(TComponent* owner) : TCustomControl(owner), scroller_(new TScroller(this)) {
  width_ = 185;
  height_ = 21;
  scroller_->OnChange = TNotifyEvent(this, &TTabSet::ScrollerChange);
}

void TTabSet::SetTabs(const std::vector<std::string>& tabs) {
  tabs_ = tabs;
  tabIndex_ = std::min(tabIndex_, static_cast<int>(tabs_.size()) - 1);
  SetFirstIndex(firstIndex_);
}

void TTabSet::SetTabIndex(int index) {
  tabIndex_ = std::clamp(index, -1, static_cast<int>(tabs_.size()) - 1);
  Invalidate();
}

void TTabSet::SetFirstIndex(int index) {
  firstIndex_ = std::clamp(index, 0, std::max(0, static_cast<int>(tabs_.size()) - 1));
  UpdateScroller();
  Invalidate();
}

void TTabSet::SetStartMargin(int margin) {
  startMargin_ = margin;
  UpdateScroller();
  Invalidate();
}

void TTabSet::SetEndMargin(int margin) {
  endMargin_ = margin;
  UpdateScroller();
  Invalidate();
}

bool TTabSet::ScrollerShown() const { return scroller_->Visible(); }

std::vector<int> TTabSet::TextWidths() {
  std::vector<int> widths;
  if (!HandleAllocated()) return widths;
  const ClientDC dc(handle_);
  const SelectGuard font(dc.get(), Font().Handle());
  for (const std::string& tab : tabs_) {
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), tab.c_str(), static_cast<int>(tab.size()), &size);
    widths.push_back(size.cx);
  }
  return widths;
}

std::vector<TabSetTab> TTabSet::VisibleTabs() {
  return PlaceTabSetTabs(TextWidths(), firstIndex_, startMargin_, ClientWidth() - endMargin_, ScrollerShown());
}

void TTabSet::UpdateScroller() {
  if (!HandleAllocated()) return;
  const auto all = PlaceTabSetTabs(TextWidths(), 0, startMargin_, ClientWidth() - endMargin_, false);
  scroller_->SetRange(0, std::max(0, static_cast<int>(tabs_.size()) - 1));
  scroller_->SetPosition(firstIndex_);
  scroller_->SetBounds(ClientWidth() - kScrollerWidth, 0, kScrollerWidth, std::min(kScrollerHeight, ClientHeight()));
  scroller_->SetVisible(firstIndex_ > 0 || all.size() < tabs_.size());
}

void TTabSet::ScrollerChange(TObject*) { SetFirstIndex(scroller_->Position()); }

void TTabSet::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.style |= WS_CLIPCHILDREN;
}

void TTabSet::InitializeHandle() {
  TCustomControl::InitializeHandle();
  UpdateScroller();
}

void TTabSet::FontChanged() {
  TCustomControl::FontChanged();
  UpdateScroller();
}

void TTabSet::Paint(TCanvas& canvas) {
  const RECT client = ClientRect();
  canvas.Pen().SetColor(clBtnShadow);
  canvas.MoveTo(0, 0);
  canvas.LineTo(client.right, 0);
  canvas.Font().Assign(Font());
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  for (const TabSetTab& tab : VisibleTabs()) {
    RECT r{tab.left, 0, tab.right, client.bottom - 2};
    if (tab.index == tabIndex_) {
      canvas.Brush().SetColor(clWindow);
      canvas.FillRect(r);
    }
    DrawEdge(canvas.Handle(), &r, EDGE_RAISED, BF_LEFT | BF_BOTTOM | BF_RIGHT);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.TextRect(r, tabs_[static_cast<size_t>(tab.index)], DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  }
}

void TTabSet::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN: {
      const int x = static_cast<short>(LOWORD(message.LParam));
      for (const TabSetTab& tab : VisibleTabs()) {
        if (x < tab.left || x >= tab.right || tab.index == tabIndex_) continue;
        SetTabIndex(tab.index);
        if (OnChange) OnChange(this);
      }
      break;
    }
    case WM_SIZE:
      TCustomControl::WndProc(message);
      UpdateScroller();
      return;
    default:
      break;
  }
  TCustomControl::WndProc(message);
}

}  // namespace korvale
