#pragma once

// Hot spots of a skinned non-client area: title-bar buttons and menu-bar buttons. A hot
// spot is normal (1), pressed (2) or hot (3); only one of a window is hot or pressed at a
// time, the form skinner's FHotSpot.
#include <windows.h>

#include "toolkit/Bitmap.h"

namespace korvale {

class TDataSkinSysButton;
class TWinSkinForm;

class TNCObject {
 public:
  explicit TNCObject(TWinSkinForm* form) : FForm(form) {}
  virtual ~TNCObject() = default;
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;

  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Paint() {}

  TWinSkinForm* FForm;
  RECT FRect{};  // window coordinates
  bool FVisible = true;
  int FHotState = 1;
};

// One title-bar button, made from an entry of the skin's SysButtons.
class TWinSysButton : public TNCObject {
 public:
  TWinSysButton(TWinSkinForm* form, TDataSkinSysButton* skin) : TNCObject(form), FSkin(skin) {}
  // Draws the frame of FHotState over the title as it was under the button.
  void Paint() override;

  TDataSkinSysButton* FSkin;
  // The title under the button at the last whole-title paint, so that a state change
  // leaves nothing of the previous frame where the image is transparent.
  TBitmap FBackground;
};

}  // namespace korvale
