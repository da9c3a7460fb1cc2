#include "toolkit/Button.h"

#include "core/AsciiText.h"

namespace korvale {

bool IsAccel(WPARAM key, const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return AsciiUpperChar(caption[i + 1]) == AsciiUpperChar(static_cast<char>(key & 0xFF));
  }
  return false;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  width_ = 75;
  height_ = 25;
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClass = "BUTTON";
  params.style |= (IsActive() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

bool TButton::IsActive() const {
  TForm* form = ParentForm();
  TWinControl* focused = form ? form->ActiveControl() : nullptr;
  if (focused == this) return true;
  return default_ && !dynamic_cast<TButton*>(focused);
}

void TButton::SetDefault(bool value) {
  default_ = value;
  UpdateDefaultStyle();
}

void TButton::UpdateDefaultStyle() {
  if (HandleAllocated())
    SendMessageA(handle_, BM_SETSTYLE, IsActive() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
  if (modalResult_ != mrNone) {
    if (TForm* form = ParentForm()) form->SetModalResult(modalResult_);
  }
  TWinControl::Click();
}

void TButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == BN_CLICKED) Click();
      message.Result = 0;
      return;
    case CM_DIALOGKEY:
      if (((message.WParam == VK_RETURN && IsActive()) || (message.WParam == VK_ESCAPE && cancel_)) &&
          CanFocus()) {
        Click();
        message.Result = 1;
        return;
      }
      break;
    case CM_DIALOGCHAR:
      if (IsAccel(message.WParam, Caption()) && CanFocus()) {
        Click();
        message.Result = 1;
        return;
      }
      break;
    case CM_FOCUSCHANGED:
      UpdateDefaultStyle();
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

}  // namespace korvale
