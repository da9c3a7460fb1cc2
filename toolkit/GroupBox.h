#pragma once

// TGroupBox: an etched frame with a caption, a window of our own class that holds other
// controls.
#include "toolkit/WinControl.h"

namespace korvale {

class TCustomGroupBox : public TCustomControl {
 public:
  explicit TCustomGroupBox(TComponent* owner);
  std::string ClassName() const override { return "TCustomGroupBox"; }
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint(TCanvas& canvas) override;
};

class TGroupBox : public TCustomGroupBox {
 public:
  using TCustomGroupBox::TCustomGroupBox;
  std::string ClassName() const override { return "TGroupBox"; }
};

}  // namespace korvale
