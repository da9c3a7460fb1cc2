#pragma once

// Check box and radio button skinners: the control paints itself (caption, focus), and
// the skinner paints the box or circle from the skin's check or radio strip over it after
// every paint and every change of state.
#include "skin/controls/SkinControl.h"

namespace korvale {

class TSkinCheckBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinCheckBox"; }

 protected:
  // Always passes on, so the skinner does not stop at the window's destruction.
  bool BeforeMessage(TMessage&) override { return true; }
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
};

class TSkinRadioButton : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinRadioButton"; }

 protected:
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
};

}  // namespace korvale
