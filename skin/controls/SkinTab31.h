#pragma once

// The old tab set skinner: the whole tab set drawn with its tabs from the Tabs element turned
// upside down (the tabs hang from the top edge), the selected tab in the element's second
// frame. Its scroller gets a companion up-down skinner with left and right arrows.
#include "skin/controls/SkinControl.h"
#include "toolkit/Bitmap.h"

namespace korvale {

class TSkinUpDown;

class TSkinTab31 : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinTab31"; }

  // Subclasses the tab set's window, as for a bare window.
  void Attach(TSkinnerHost* form, TSkinData* skinData, bool recolor, TCanvas* canvas) override;
  void SkinChanged() override;
  TSkinUpDown* UpDown() const { return FUpDown; }

 protected:
  bool BeforeMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  void LoadImage();

  TBitmap FTabImage;
  TSkinUpDown* FUpDown = nullptr;
  TWinControl* FScroller = nullptr;
};

}  // namespace korvale
