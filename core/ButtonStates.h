#pragma once

// Which frame of a skin element a button shows, and which glyph of its glyph strip. Frame
// numbers count from 1: 1 normal, 2 pressed, 3 disabled, 4 hot or focused.
namespace korvale {

enum ButtonFrame : int { kFrameNormal = 1, kFramePressed = 2, kFrameDisabled = 3, kFrameHot = 4 };

struct ButtonLook {
  bool enabled = true;
  bool pressed = false;
  bool hot = false;
  bool focused = false;
  bool down = false;  // a speed button held down by its group
};

// Push and bitmap buttons: pressed before hot or focused; disabled whatever the rest says.
int PushButtonFrame(const ButtonLook& look);
// Speed buttons: no focus look, and a button that is down shows pressed even when disabled.
int SpeedButtonFrame(const ButtonLook& look);
// The glyph of a bitmap button's strip for a frame: disabled shows the second, pressed the
// third. A strip of fewer glyphs than that shows the first (speed buttons ask for this).
int GlyphIndexForFrame(int frame, int numGlyphs);

// Check box: 1 unchecked, 2 checked, 3 and 4 disabled; indeterminate shows 4.
int CheckBoxFrame(bool checked, bool enabled, bool indeterminate);
// Radio button: 1 or 2, two further on when disabled.
int RadioButtonFrame(bool checked, bool enabled);

}  // namespace korvale
