#pragma once

// The edit skinner: a two-pixel border in the skin's shadow colour and white around the
// edit, and a companion up-down skinner for an up-down button that lives inside the edit
// (the spin edit's).
#include "skin/controls/SkinControl.h"

namespace korvale {

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinEdit"; }
  TSkinUpDown* UpDown() const { return FUpDown; }

 protected:
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  void FindUpDown();
  // The WM_PRINT border: none when the edit has no border of its own.
  void PrintBorder(HDC dc, const RECT& rect);

  TSkinUpDown* FUpDown = nullptr;
};

}  // namespace korvale
