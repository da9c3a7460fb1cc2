#include "toolkit/TreeView.h"

#include <commctrl.h>

namespace korvale {

TCustomTreeView::TCustomTreeView(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  width_ = 121;
  height_ = 97;
}

void TCustomTreeView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClass = WC_TREEVIEWA;
  params.style |= TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT;
  params.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::InitializeHandle() {
  for (const std::string& item : items_) InsertItem(item);
}

void TCustomTreeView::InsertItem(const std::string& text) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<char*>(text.c_str());
  SendMessageA(handle_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
}

void TCustomTreeView::AddItem(const std::string& text) {
  items_.push_back(text);
  if (HandleAllocated()) InsertItem(text);
}

}  // namespace korvale
