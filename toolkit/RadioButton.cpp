#include "toolkit/RadioButton.h"

#include "toolkit/Button.h"

namespace korvale {

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {
  width_ = 113;
  height_ = 17;
  // Shows its container's colour, so a recoloured group box or panel carries it.
  SetParentColor(true);
}

void TRadioButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClass = "BUTTON";
  params.style |= BS_RADIOBUTTON;
}

void TRadioButton::InitializeHandle() {
  SendMessageA(handle_, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  SetTabStop(checked);
  if (HandleAllocated()) SendMessageA(handle_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!checked) return;
  if (TWinControl* parent = Parent()) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
      if (sibling && sibling != this) sibling->SetChecked(false);
    }
  }
  Click();
}

void TRadioButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == BN_CLICKED) SetChecked(true);
      message.Result = 0;
      return;
    case BM_SETCHECK:
      checked_ = message.WParam == BST_CHECKED;
      break;
    case CM_DIALOGCHAR:
      if (IsAccel(message.WParam, Caption()) && CanFocus()) {
        SetFocus();
        SetChecked(true);
        message.Result = 1;
        return;
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

}  // namespace korvale
