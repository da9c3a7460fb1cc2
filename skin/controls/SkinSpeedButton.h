#pragma once

// The speed button skinner: a speed button has no window, so the skinner hooks the
// control's WindowProc and paints through the shared work bitmap onto the parent's DC.
#include "skin/controls/SkinButton.h"

namespace korvale {

class TSkinSpeedButton : public TSkinBitButton {
 public:
  using TSkinBitButton::TSkinBitButton;
  std::string ClassName() const override { return "TSkinSpeedButton"; }
  void PaintWindow(HDC dc) override;

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;

 private:
  bool HasButtonImage() const;
  void Paint(HDC dc);
};

}  // namespace korvale
