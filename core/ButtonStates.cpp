#include "core/ButtonStates.h"

namespace korvale {

int PushButtonFrame(const ButtonLook& look) {
  if (!look.enabled) return kFrameDisabled;
  if (look.pressed) return kFramePressed;
  if (look.hot || look.focused) return kFrameHot;
  return kFrameNormal;
}

int SpeedButtonFrame(const ButtonLook& look) {
  if (look.down) return kFramePressed;
  ButtonLook unfocused = look;
  unfocused.focused = false;
  return PushButtonFrame(unfocused);
}

int GlyphIndexForFrame(int frame, int numGlyphs) {
  int index = 1;
  if (frame == kFramePressed) index = 3;
  if (frame == kFrameDisabled) index = 2;
  return index > numGlyphs ? 1 : index;
}

int CheckBoxFrame(bool checked, bool enabled, bool indeterminate) {
  if (indeterminate) return 4;
  return (checked ? 2 : 1) + (enabled ? 0 : 2);
}

int RadioButtonFrame(bool checked, bool enabled) { return (checked ? 2 : 1) + (enabled ? 0 : 2); }

}  // namespace korvale
