#pragma once

// TRadioButton: one choice of a group; checking it unchecks the radio buttons beside it
// in the same parent. The toolkit keeps the state, as for check boxes.
#include "toolkit/WinControl.h"

namespace korvale {

class TRadioButton : public TWinControl {
 public:
  explicit TRadioButton(TComponent* owner);
  std::string ClassName() const override { return "TRadioButton"; }

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;

 private:
  bool checked_ = false;
};

}  // namespace korvale
