#pragma once

// TGroupBox: an etched frame with a caption, a window of our own class that holds other
// controls.
#include "toolkit/WinControl.h"

namespace korvale {

class TGroupBox : public TCustomControl {
 public:
  explicit TGroupBox(TComponent* owner);
  std::string ClassName() const override { return "TGroupBox"; }
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint(TCanvas& canvas) override;
};

}  // namespace korvale
