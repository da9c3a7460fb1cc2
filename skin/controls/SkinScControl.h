#pragma once

// TSkinScControl: the scroll-bar control drawn from the skin over its whole window, after
// each paint and each change of its values. The control keeps its own mouse handling.
#include "core/ScrollBarGeometry.h"
#include "skin/controls/SkinControl.h"

namespace korvale {

class TSkinScControl : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinScControl"; }

  int PressedPart() const { return FPressedPart; }

 protected:
  bool BeforeMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  bool Vertical() const;
  void DrawBar(HDC dc, const RECT& barRect, bool drawThumb, int kind);
  void UpdateThumb(const RECT& barRect, int kind);

  int FPressedPart = 0;
  ThumbMetrics FMetrics;
};

}  // namespace korvale
