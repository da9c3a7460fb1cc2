#pragma once

// TSpeedButton: a window-less button with a glyph, drawn on its parent. Down keeps it
// looking pressed. GraphicControlDC lends a graphic control a DC outside a paint message,
// so that a painter can show a state change at once.
#include <windows.h>

#include "toolkit/ButtonGlyph.h"
#include "toolkit/Control.h"

namespace korvale {

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* owner);
  std::string ClassName() const override { return "TSpeedButton"; }

  bool Down() const { return down_; }
  void SetDown(bool down);
  TButtonGlyph& Glyph() { return glyph_; }
  const TButtonGlyph& Glyph() const { return glyph_; }
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;

 private:
  void GlyphChanged(TObject* sender);

  TButtonGlyph glyph_;
  bool down_ = false;
  bool pressed_ = false;
};

// The parent's client DC with its origin at the control and clipped to it; null when the
// parent has no window. Released on scope exit.
class GraphicControlDC {
 public:
  explicit GraphicControlDC(TControl& control);
  ~GraphicControlDC();
  GraphicControlDC(const GraphicControlDC&) = delete;
  GraphicControlDC& operator=(const GraphicControlDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
  int saved_ = 0;
};

}  // namespace korvale
