#pragma once

// The box skinner of panels, group boxes, radio and check groups, tool bars and forms: it
// does not hook the control, it only gives it the skin's face colour while skinned.
#include "skin/controls/SkinControl.h"

namespace korvale {

class TSkinBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinBox"; }
  void Attach(TSkinnerHost* form, TSkinData* skinData, bool recolor, TCanvas* canvas) override;
  void Unskin() override;

 protected:
  void AfterMessage(TMessage&) override {}
};

}  // namespace korvale
