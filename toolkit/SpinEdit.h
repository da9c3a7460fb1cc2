#pragma once

// TSpinEdit: an integer field whose up-down button is a child window of the edit's own
// window. The value is read from the text (text that is not an integer reads as 0) and is
// limited to MinValue..MaxValue unless both are 0.
#include "toolkit/Edit.h"

namespace korvale {

class TSpinEdit : public TCustomEdit {
 public:
  explicit TSpinEdit(TComponent* owner);
  std::string ClassName() const override { return "TSpinEdit"; }

  int Value() const;
  void SetValue(int value);
  int MinValue() const { return minValue_; }
  void SetMinValue(int value) { minValue_ = value; }
  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int value) { maxValue_ = value; }
  int Increment() const { return increment_; }
  void SetIncrement(int value) { increment_ = value; }
  HWND ButtonHandle() const { return button_; }
  int CheckValue(int value) const;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;

 private:
  void Step(int direction);
  void PlaceButton();

  int minValue_ = 0;
  int maxValue_ = 0;
  int increment_ = 1;
  HWND button_ = nullptr;
};

}  // namespace korvale
