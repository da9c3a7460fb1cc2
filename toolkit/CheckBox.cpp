#include "toolkit/CheckBox.h"

#include "toolkit/Button.h"

namespace korvale {

TCheckBox::TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {
  SetTabStop(true);
  // Shows its container's colour, so a recoloured group box or page carries it.
  SetParentColor(true);
  width_ = 97;
  height_ = 17;
}

void TCheckBox::CreateParams(TCreateParams& params) {
  TCustomCheckBox::CreateParams(params);
  params.baseClass = "BUTTON";
  params.style |= BS_CHECKBOX;
}

void TCheckBox::InitializeHandle() {
  SendMessageA(handle_, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TCheckBox::Checked() const { return checked_; }

void TCheckBox::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (HandleAllocated()) SendMessageA(handle_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  Click();
}

void TCheckBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == BN_CLICKED) SetChecked(!checked_);
      message.Result = 0;
      return;
    case BM_SETCHECK:
      checked_ = message.WParam == BST_CHECKED;
      break;
    case CM_DIALOGCHAR:
      if (IsAccel(message.WParam, Caption()) && CanFocus()) {
        SetFocus();
        SetChecked(!checked_);
        message.Result = 1;
        return;
      }
      break;
    default:
      break;
  }
  TCustomCheckBox::WndProc(message);
}

}  // namespace korvale
