#include "toolkit/TabControl.h"

#include <commctrl.h>

namespace korvale {

namespace {

void InsertTab(HWND window, int index, const std::string& text) {
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(text.c_str());
  SendMessageA(window, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

TTabControl::TTabControl(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  width_ = 289;
  height_ = 193;
}

void TTabControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClass = WC_TABCONTROLA;
  params.style |= WS_CLIPCHILDREN;
  switch (tabPosition_) {
    case TTabPosition::tpBottom: params.style |= TCS_BOTTOM; break;
    case TTabPosition::tpLeft: params.style |= TCS_VERTICAL | TCS_MULTILINE; break;
    case TTabPosition::tpRight: params.style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE; break;
    case TTabPosition::tpTop: break;
  }
}

void TTabControl::InitializeHandle() {
  for (size_t i = 0; i < tabs_.size(); ++i) InsertTab(handle_, static_cast<int>(i), tabs_[i]);
}

void TTabControl::SetTabPosition(TTabPosition position) {
  if (position == tabPosition_) return;
  tabPosition_ = position;
  if (HandleAllocated()) RecreateWnd();
}

void TTabControl::AddTab(const std::string& text) {
  tabs_.push_back(text);
  if (HandleAllocated()) InsertTab(handle_, static_cast<int>(tabs_.size()) - 1, text);
}

void TTabControl::SetTabs(const std::vector<std::string>& tabs) {
  tabs_.clear();
  if (HandleAllocated()) SendMessageA(handle_, TCM_DELETEALLITEMS, 0, 0);
  for (const std::string& tab : tabs) AddTab(tab);
}

}  // namespace korvale
