#pragma once

// The tab control skinner: the tab strip drawn from the Tabs element as if the tabs were on
// top (then turned or flipped to their side), and the border ring around the display area
// from the element's second image. Scroll buttons get a companion up-down skinner.
#include "skin/controls/SkinControl.h"
#include "toolkit/Bitmap.h"

namespace korvale {

class TSkinUpDown;

class TSkinTab : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinTab"; }

  void Attach(TSkinnerHost* form, TSkinData* skinData, bool recolor, TCanvas* canvas) override;
  void AttachHandle(HWND handle, TSkinData* skinData, TSkinnerHost* form, TCanvas* canvas) override;
  void SkinChanged() override;
  std::uint8_t TabPosition() const { return FTabPosition; }

 protected:
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  void Prepare();
  void LoadImages();
  // Whether the scroll buttons show; skins them on first sight.
  bool ScrollButtonsVisible();
  void DrawTabs(HDC dc, const RECT& rect, const RECT& display);

  std::uint8_t FTabPosition = 0;
  TBitmap FTabImage;
  TBitmap FBorderImage;
  TBitmap FBuffer;
  TSkinUpDown* FUpDown = nullptr;
};

}  // namespace korvale
