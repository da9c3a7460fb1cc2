#pragma once

// TCheckBox: a two-state check box. The toolkit keeps the state itself (the system class
// does not toggle), so that a click, the space bar and Checked from code all toggle the
// same way and OnClick follows every change.
#include "toolkit/WinControl.h"

namespace korvale {

// The check-box family, as the skin engine asks "is a check box" of a control.
class TCustomCheckBox : public TWinControl {
 public:
  using TWinControl::TWinControl;
  std::string ClassName() const override { return "TCustomCheckBox"; }
};

class TCheckBox : public TCustomCheckBox {
 public:
  explicit TCheckBox(TComponent* owner);
  std::string ClassName() const override { return "TCheckBox"; }

  bool Checked() const;
  void SetChecked(bool checked);
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;

 private:
  bool checked_ = false;
};

}  // namespace korvale
