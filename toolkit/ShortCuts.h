#pragma once

// Shortcuts as the menus show and parse them, and the "&" accelerators of captions.
#include <windows.h>

#include <cstdint>
#include <string>

namespace korvale {

// Key code in the low byte, modifiers in the high bits.
using TShortCut = std::uint16_t;
constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

using TShiftState = std::uint8_t;
constexpr TShiftState ssShift = 1;
constexpr TShiftState ssAlt = 2;
constexpr TShiftState ssCtrl = 4;

TShortCut ShortCut(WORD key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, WORD& key, TShiftState& shift);
// "Ctrl+Enter", "Alt+F4", "Shift+F4", "Ctrl+1"; empty for scNone.
std::string ShortCutToText(TShortCut shortCut);
// The inverse of ShortCutToText (case-insensitive); scNone for text it does not know.
TShortCut TextToShortCut(const std::string& text);
// The shortcut of a key message with the current state of the modifier keys.
TShortCut ShortCutFromMessage(const MSG& msg);
// The character after the single "&" of a caption (upper case), or 0.
char AccelChar(const std::string& caption);

}  // namespace korvale
