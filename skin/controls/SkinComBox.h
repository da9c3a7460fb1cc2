#pragma once

// The combo box skinner: the SunkEdge ring around the edit area and the ComboButton with its
// arrow glyph, following the state (normal, pressed, disabled, hot or focused). The edit area
// keeps its own paint.
#include "skin/controls/SkinControl.h"

namespace korvale {

class TSkinComBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinComBox"; }

 protected:
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  int State() const;
  void DrawSimple(HDC dc, const RECT& rect, int state);

  LONG FStyle = 0;
  LONG FExStyle = 0;
};

}  // namespace korvale
