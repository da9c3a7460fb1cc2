#pragma once

// The track bar skinner: through the control's custom-draw notifications it leaves the
// channel and the ticks to the control and draws the thumb from the skin's thumb element.
#include "skin/controls/SkinControl.h"

namespace korvale {

class TSkinTrackBar : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinTrackBar"; }

 protected:
  bool BeforeMessage(TMessage& message) override;

 private:
  LRESULT CustomDraw(const NMCUSTOMDRAW& draw);
  void DrawThumb(HDC dc);
};

}  // namespace korvale
