#include "toolkit/ListBox.h"

namespace korvale {

TCustomListBox::TCustomListBox(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  width_ = 121;
  height_ = 97;
}

void TCustomListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClass = "LISTBOX";
  params.style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
  params.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::InitializeHandle() {
  for (const std::string& item : items_) SendMessageA(handle_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void TCustomListBox::SetItems(const std::vector<std::string>& items) {
  items_ = items;
  if (!HandleAllocated()) return;
  SendMessageA(handle_, LB_RESETCONTENT, 0, 0);
  InitializeHandle();
}

void TCustomListBox::AddItem(const std::string& item) {
  items_.push_back(item);
  if (HandleAllocated()) SendMessageA(handle_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

}  // namespace korvale
