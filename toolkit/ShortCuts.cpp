#include "toolkit/ShortCuts.h"

#include "core/AsciiText.h"

namespace korvale {

namespace {

struct KeyName {
  WORD key;
  const char* name;
};

constexpr KeyName kKeyNames[] = {
    {VK_BACK, "BkSp"}, {VK_TAB, "Tab"},    {VK_ESCAPE, "Esc"}, {VK_RETURN, "Enter"},
    {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"}, {VK_END, "End"},
    {VK_HOME, "Home"}, {VK_LEFT, "Left"},  {VK_UP, "Up"},      {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"}, {VK_INSERT, "Ins"}, {VK_DELETE, "Del"},
};

std::string KeyToText(WORD key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  if (key >= VK_F1 && key <= VK_F24) return "F" + std::to_string(key - VK_F1 + 1);
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return "Num " + std::to_string(key - VK_NUMPAD0);
  for (const KeyName& k : kKeyNames) {
    if (k.key == key) return k.name;
  }
  return {};
}

}  // namespace

TShortCut ShortCut(WORD key, TShiftState shift) {
  if (key & 0xFF00) return scNone;
  TShortCut result = static_cast<TShortCut>(key & 0xFF);
  if (shift & ssShift) result |= scShift;
  if (shift & ssCtrl) result |= scCtrl;
  if (shift & ssAlt) result |= scAlt;
  return result;
}

void ShortCutToKey(TShortCut shortCut, WORD& key, TShiftState& shift) {
  key = static_cast<WORD>(shortCut & 0xFF);
  shift = 0;
  if (shortCut & scShift) shift |= ssShift;
  if (shortCut & scCtrl) shift |= ssCtrl;
  if (shortCut & scAlt) shift |= ssAlt;
}

std::string ShortCutToText(TShortCut shortCut) {
  const std::string key = KeyToText(static_cast<WORD>(shortCut & 0xFF));
  if (key.empty()) return {};
  std::string text;
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scAlt) text += "Alt+";
  return text + key;
}

TShortCut TextToShortCut(const std::string& text) {
  static const struct {
    const char* prefix;
    TShortCut bit;
  } kPrefixes[] = {{"Shift+", scShift}, {"Ctrl+", scCtrl}, {"Alt+", scAlt}};
  TShortCut modifiers = 0;
  std::string rest = text;
  for (bool found = true; found;) {
    found = false;
    for (const auto& p : kPrefixes) {
      const std::size_t n = std::char_traits<char>::length(p.prefix);
      if (rest.size() > n && AsciiEqualsNoCase(rest.substr(0, n), p.prefix)) {
        modifiers |= p.bit;
        rest.erase(0, n);
        found = true;
      }
    }
  }
  for (WORD key = 8; key <= 255; ++key) {
    const std::string name = KeyToText(key);
    if (!name.empty() && AsciiEqualsNoCase(name, rest)) return static_cast<TShortCut>(modifiers | key);
  }
  return scNone;
}

TShortCut ShortCutFromMessage(const MSG& msg) {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (msg.message == WM_SYSKEYDOWN ? (msg.lParam & (1 << 29)) != 0 || GetKeyState(VK_MENU) < 0
                                   : GetKeyState(VK_MENU) < 0)
    shift |= ssAlt;
  return ShortCut(static_cast<WORD>(msg.wParam), shift);
}

char AccelChar(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return AsciiUpperChar(caption[i + 1]);
  }
  return 0;
}

}  // namespace korvale
