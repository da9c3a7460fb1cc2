#pragma once

// Push and bitmap button skinners. The push button is the model of the family: it swallows
// the mouse-down so the control never clicks by itself, clicks on the mouse-up, and paints
// the whole control from frames 1 to 4 of the skin's Buttons element.
#include "skin/controls/SkinControl.h"
#include "toolkit/Bitmap.h"

namespace korvale {

class TSkinButton : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinButton"; }

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
  // Paints the face (without the frame's fill) into the buffer's canvas.
  virtual void DrawFace(TCanvas& canvas, int width, int height, int frame);
  virtual int Frame() const;
  // Hot through the pointer: the one hot button of the form.
  void BecomeHot();

  TBitmap FBuffer;
};

// A push button with a glyph: the toolkit TBitBtn.
class TSkinBitButton : public TSkinButton {
 public:
  using TSkinButton::TSkinButton;
  std::string ClassName() const override { return "TSkinBitButton"; }

 protected:
  void DrawFace(TCanvas& canvas, int width, int height, int frame) override;
};

}  // namespace korvale
