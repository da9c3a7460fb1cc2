#include "toolkit/ComboBox.h"

namespace korvale {

TCustomComboBox::TCustomComboBox(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  width_ = 145;
  height_ = 21;
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClass = "COMBOBOX";
  params.style |= WS_VSCROLL | CBS_AUTOHSCROLL;
  switch (style_) {
    // The list fills the height below the edit; rounded down to whole items, it would leave a
    // strip that nothing paints.
    case TComboBoxStyle::csSimple: params.style |= CBS_SIMPLE | CBS_NOINTEGRALHEIGHT; break;
    case TComboBoxStyle::csDropDownList: params.style |= CBS_DROPDOWNLIST; break;
    case TComboBoxStyle::csDropDown: params.style |= CBS_DROPDOWN; break;
  }
}

void TCustomComboBox::InitializeHandle() {
  for (const std::string& item : items_) SendMessageA(handle_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void TCustomComboBox::SetStyle(TComboBoxStyle style) {
  if (style == style_) return;
  style_ = style;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomComboBox::AddItem(const std::string& text) {
  items_.push_back(text);
  if (HandleAllocated()) SendMessageA(handle_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TCustomComboBox::SetItems(const std::vector<std::string>& items) {
  items_.clear();
  if (HandleAllocated()) SendMessageA(handle_, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) AddItem(item);
}

}  // namespace korvale
