#pragma once

// The skinner of bare scroll-bar windows (size boxes of system dialogs): a one-pixel frame
// in the skin's shadow colour and nothing else.
#include "skin/controls/SkinControl.h"

namespace korvale {

class TSkinSizer : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinSizer"; }

 protected:
  bool BeforeMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
};

}  // namespace korvale
