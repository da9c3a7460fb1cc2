#pragma once

// TDateTimePicker: the common-controls date picker, changed by a drop-down calendar or, in
// its up-down mode, by an up-down button beside the date.
#include "toolkit/WinControl.h"

namespace korvale {

// Stored as one byte; the skin engine reads it to choose the picker's skinner.
enum class TDTDateMode : unsigned char { dmComboBox, dmUpDown };

class TDateTimePicker : public TWinControl {
 public:
  explicit TDateTimePicker(TComponent* owner);
  std::string ClassName() const override { return "TDateTimePicker"; }

  TDTDateMode DateMode() const { return dateMode_; }
  void SetDateMode(TDTDateMode mode);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  TDTDateMode dateMode_ = TDTDateMode::dmComboBox;
};

}  // namespace korvale
