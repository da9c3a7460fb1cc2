#include "toolkit/ListView.h"

#include <commctrl.h>

namespace korvale {

TCustomListView::TCustomListView(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  width_ = 250;
  height_ = 150;
}

void TCustomListView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClass = WC_LISTVIEWA;
  params.exStyle |= WS_EX_CLIENTEDGE;
  params.style |= LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS;
  if (!showColumnHeaders_) params.style |= LVS_NOCOLUMNHEADER;
}

namespace {

// Runs `put` with the list view's drawing off, then draws it once: each insert would
// otherwise lay out and redraw the scroll bars again.
template <typename Put>
void WithoutRedraw(HWND window, Put put) {
  SendMessageA(window, WM_SETREDRAW, FALSE, 0);
  put();
  SendMessageA(window, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace

void TCustomListView::InitializeHandle() {
  WithoutRedraw(handle_, [this] {
    for (int i = 0; i < columns_.Count(); ++i) PutColumn(i);
    for (int i = 0; i < ItemCount(); ++i) PutItem(i);
  });
}

TColumnItem& TCustomListView::AddColumn(const std::string& caption, int width) {
  auto& column = static_cast<TColumnItem&>(*columns_.Add());
  column.SetText(caption);
  column.SetWidth(width);
  return column;
}

void TCustomListView::SetShowColumnHeaders(bool show) {
  if (show == showColumnHeaders_) return;
  showColumnHeaders_ = show;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomListView::AddItems(std::vector<std::vector<std::string>> items) {
  const int first = ItemCount();
  for (std::vector<std::string>& texts : items) {
    if (texts.empty()) texts.emplace_back();
    items_.push_back(std::move(texts));
  }
  if (HandleAllocated()) WithoutRedraw(handle_, [this, first] {
      for (int i = first; i < ItemCount(); ++i) PutItem(i);
    });
}

void TCustomListView::ColumnChanged(int index) {
  if (HandleAllocated()) PutColumn(index);
}

void TCustomListView::PutColumn(int index) {
  const TColumnItem& column = Column(index);
  LVCOLUMNA item{};
  item.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  item.pszText = const_cast<char*>(column.Text().c_str());
  item.cx = column.Width();
  // The list view's formats are the header's: left, right and centre share their values.
  item.fmt = column.FormatFlags();
  LVCOLUMNA present{};
  present.mask = LVCF_WIDTH;
  const bool exists = SendMessageA(handle_, LVM_GETCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&present));
  SendMessageA(handle_, exists ? LVM_SETCOLUMNA : LVM_INSERTCOLUMNA, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&item));
}

void TCustomListView::PutItem(int index) {
  const std::vector<std::string>& texts = items_[static_cast<size_t>(index)];
  for (size_t column = 0; column < texts.size(); ++column) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.iSubItem = static_cast<int>(column);
    item.pszText = const_cast<char*>(texts[column].c_str());
    SendMessageA(handle_, column == 0 ? LVM_INSERTITEMA : LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
}

}  // namespace korvale
