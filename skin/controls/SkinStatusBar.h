#pragma once

// The status bar skinner: every panel's bevel from the StatusBarEdges frames (the last panel
// reaching the bar's right edge), the panel texts, and the size grip from the ExtraImages
// strip, painted through the shared work bitmap.
#include "skin/controls/SkinControl.h"

namespace korvale {

class TCanvas;

class TSkinStatusBar : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinStatusBar"; }

 protected:
  bool BeforeMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  // Bevel: 1 lowered, 2 raised, 3 none.
  void DrawPanel(TCanvas& canvas, RECT rect, int bevel, UINT alignment, const std::string& text);
};

}  // namespace korvale
