#pragma once

// The up-down button skinner: both halves painted from the UpDownVert (or UpDownHorz) strip
// with their glyphs, the half under the pointer hot or pressed. It serves up-down controls
// and the up-down parts of edits and tab controls.
#include "skin/controls/SkinControl.h"

namespace korvale {

class TSkinUpDown : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinUpDown"; }

  bool FInEdit = false;  // draws 1 pixel inside its client rectangle
  int FHorizontal = 0;   // 1 forces left and right arrows

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  void DrawPlainHalf(HDC dc, const RECT& half, int state, int button);
};

}  // namespace korvale
