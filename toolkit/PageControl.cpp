#include "toolkit/PageControl.h"

#include <commctrl.h>

#include <algorithm>

namespace korvale {

TTabSheet::TTabSheet(TComponent* owner) : TCustomControl(owner) {
  visible_ = false;
  SetParentColor(true);
}

TTabSheet::~TTabSheet() {
  DestroyComponents();
  if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* control) {
  if (control == pageControl_) return;
  if (pageControl_) pageControl_->RemovePage(this);
  SetParent(control);
  if (control) control->InsertPage(this);
}

int TTabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  const auto& pages = pageControl_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::TextChanged() {
  if (pageControl_) pageControl_->UpdateTab(this);
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  width_ = 289;
  height_ = 193;
}

TPageControl::~TPageControl() {
  DestroyComponents();
  // The pages go with the children after this body; they must not reach back into it.
  for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
  pages_.clear();
  activePage_ = nullptr;
}

void TPageControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClass = WC_TABCONTROLA;
  params.style |= WS_CLIPCHILDREN | TCS_TABS;
}

void TPageControl::InitializeHandle() {
  for (size_t i = 0; i < pages_.size(); ++i) {
    std::string text = pages_[i]->Caption();
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageA(handle_, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  const int index = ActivePageIndex();
  if (index >= 0) SendMessageA(handle_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  PlacePages();
}

RECT TPageControl::DisplayRect() {
  RECT r = ClientRect();
  if (HandleAllocated()) SendMessageA(handle_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  return r;
}

void TPageControl::PlacePages() {
  if (!HandleAllocated()) return;
  const RECT r = DisplayRect();
  for (TTabSheet* page : pages_) page->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TPageControl::InsertPage(TTabSheet* page) {
  page->pageControl_ = this;
  pages_.push_back(page);
  if (HandleAllocated()) {
    std::string text = page->Caption();
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageA(handle_, TCM_INSERTITEMA, pages_.size() - 1, reinterpret_cast<LPARAM>(&item));
    PlacePages();
  }
  if (!activePage_) SetActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
  const int index = page->PageIndex();
  if (index < 0) return;
  pages_.erase(pages_.begin() + index);
  page->pageControl_ = nullptr;
  if (HandleAllocated()) SendMessageA(handle_, TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
  if (activePage_ == page) {
    activePage_ = nullptr;
    if (!pages_.empty()) SetActivePage(pages_[std::min<size_t>(index, pages_.size() - 1)]);
  }
}

void TPageControl::UpdateTab(TTabSheet* page) {
  if (!HandleAllocated()) return;
  std::string text = page->Caption();
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  SendMessageA(handle_, TCM_SETITEMA, static_cast<WPARAM>(page->PageIndex()), reinterpret_cast<LPARAM>(&item));
}

int TPageControl::ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
  if (index >= 0 && index < PageCount()) SetActivePage(pages_[index]);
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->pageControl_ != this) return;
  if (page == activePage_) return;
  TTabSheet* previous = activePage_;
  activePage_ = page;
  if (page) {
    if (HandleAllocated()) SendMessageA(handle_, TCM_SETCURSEL, static_cast<WPARAM>(page->PageIndex()), 0);
    page->SetVisible(true);
    page->Invalidate();
  }
  if (previous) previous->SetVisible(false);
}

void TPageControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
      if (header->code == static_cast<UINT>(TCN_SELCHANGE)) {
        const int index = static_cast<int>(SendMessageA(handle_, TCM_GETCURSEL, 0, 0));
        if (index >= 0 && index < PageCount()) SetActivePage(pages_[index]);
        if (OnChange) OnChange(this);
      }
      message.Result = 0;
      return;
    }
    case WM_SIZE:
      TWinControl::WndProc(message);
      PlacePages();
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

}  // namespace korvale
