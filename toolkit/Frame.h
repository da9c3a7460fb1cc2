#pragma once

// TFrame: a plain container of its own class that groups controls for reuse on forms.
#include "toolkit/WinControl.h"

namespace korvale {

class TCustomFrame : public TCustomControl {
 public:
  explicit TCustomFrame(TComponent* owner);
  std::string ClassName() const override { return "TCustomFrame"; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint(TCanvas& canvas) override { canvas.FillRect(ClientRect()); }
};

class TFrame : public TCustomFrame {
 public:
  using TCustomFrame::TCustomFrame;
  std::string ClassName() const override { return "TFrame"; }
};

}  // namespace korvale
