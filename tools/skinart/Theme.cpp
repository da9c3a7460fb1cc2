#include "tools/skinart/Theme.h"

#include <vector>

namespace korvale::skinart {

namespace {

Theme MacOs() {
  Theme t;
  t.name = "MacOS";
  t.look = Look::Pinstripe;
  t.title = 24;
  t.left = t.right = t.bottom = 4;
  t.corner = 6;
  t.buttonWidth = t.buttonHeight = 14;
  t.buttonTop = 5;
  t.titleActive = {{0, 0xF0F0F0}, {1, 0xD4D4D4}};
  t.titleInactive = {{0, 0xF7F7F7}, {1, 0xEAEAEA}};
  t.edgeActive = 0x8A8A8A;
  t.edgeInactive = 0xB8B8B8;
  t.sideActive = 0xD8D8D8;
  t.sideInactive = 0xEDEDED;
  t.face = 0xECECEC;
  t.faceShadow = 0xA4A4A4;
  t.faceDark = 0x6E6E6E;
  t.titleText = 0x1E1E1E;
  t.titleTextInactive = 0x8C8C8C;
  t.highlight = 0x3875D7;
  t.menu = 0xFAFAFA;
  t.menuBar = 0xF2F2F2;
  t.scrollTrack = 0xE4E4E4;
  t.controlEdge = 0x8E8E8E;
  t.buttonFace = {{0, 0xFFFFFF}, {0.5, 0xF4F4F4}, {0.55, 0xE8E8E8}, {1, 0xF6F6F6}};
  t.hot = 0x5F9CEB;
  t.focus = 0x5F9CEB;
  t.mark = 0x2F6FD0;
  t.accent = 0x3875D7;
  t.accentLight = 0x9CC2F3;
  t.glyph = 0x4A4A4A;
  t.close = 0xF25A52;
  t.sysButton = 0x2BC441;
  t.chunk = 0x4D93E8;
  t.buttonRadius = 10;
  return t;
}

Theme Luna(const std::string& name) {
  Theme t;
  t.name = name;
  t.look = Look::Luna;
  t.title = 30;
  t.left = t.right = t.bottom = 4;
  t.corner = 8;
  t.buttonWidth = t.buttonHeight = 21;
  t.buttonTop = 5;
  t.chunked = true;
  t.titleActive = {{0, 0x4D9BFF}, {0.1, 0x1670F2}, {0.45, 0x0058E6}, {0.85, 0x004FD8}, {1, 0x0040AE}};
  t.titleInactive = {{0, 0xA9C3F0}, {0.1, 0x8AA8E8}, {0.5, 0x7E9EE2}, {1, 0x7090D6}};
  t.edgeActive = 0x0034A0;
  t.edgeInactive = 0x6A87CC;
  t.sideActive = 0x0A5DE8;
  t.sideInactive = 0x7D9CE0;
  t.face = 0xECE9D8;
  t.faceShadow = 0xACA899;
  t.faceDark = 0x716F64;
  t.titleText = 0xFFFFFF;
  t.titleTextInactive = 0xDCE6F8;
  t.highlight = 0x316AC5;
  t.menu = 0xFFFFFF;
  t.menuBar = 0xECE9D8;
  t.scrollTrack = 0xF3F1EA;
  t.controlEdge = 0x003C74;
  t.buttonFace = {{0, 0xFFFFFF}, {0.75, 0xEFEEEA}, {1, 0xD8D2C6}};
  t.hot = 0xF6B23C;
  t.focus = 0x84A8DA;
  t.mark = 0x21A121;
  t.accent = 0x3C7FB1;
  t.accentLight = 0xC3D5FC;
  t.glyph = 0x4D6185;
  t.close = 0xDE5330;
  t.sysButton = 0x2C6EEE;
  t.chunk = 0x2EBE3A;
  if (name == "XP2") {  // platinum
    t.titleActive = {{0, 0xFFFFFF}, {0.12, 0xE6E6EE}, {0.5, 0xCDCDDA}, {0.88, 0xB0B0C2}, {1, 0x9696AC}};
    t.titleInactive = {{0, 0xFCFCFD}, {0.5, 0xECECF1}, {1, 0xDDDDE5}};
    t.edgeActive = 0x72728A;
    t.edgeInactive = 0xAEAEBE;
    t.sideActive = 0xC0C0D0;
    t.sideInactive = 0xE4E4EC;
    t.face = 0xE0DFE3;
    t.faceShadow = 0x9D9DA1;
    t.faceDark = 0x6A6A70;
    t.titleText = 0x1C1C2C;
    t.titleTextInactive = 0x8E8E9E;
    t.highlight = 0x8C90AC;
    t.menuBar = 0xE0DFE3;
    t.scrollTrack = 0xF1F1F4;
    t.controlEdge = 0x6E6E86;
    t.buttonFace = {{0, 0xFFFFFF}, {0.75, 0xEDEDF1}, {1, 0xCFCFD9}};
    t.focus = 0x9EA3C8;
    t.accent = 0x7C82A4;
    t.accentLight = 0xD2D4E4;
    t.glyph = 0x50506A;
    t.sysButton = 0xD2D2DE;
    t.chunk = 0x7C8CC4;
  } else if (name == "XP3") {  // forest green
    t.titleActive = {{0, 0xCCDBA4}, {0.1, 0xA9C174}, {0.45, 0x95AD5C}, {0.85, 0x85A050}, {1, 0x6C8440}};
    t.titleInactive = {{0, 0xE6ECCE}, {0.5, 0xD3DCB4}, {1, 0xC6D0A4}};
    t.edgeActive = 0x566A30;
    t.edgeInactive = 0xA8B588;
    t.sideActive = 0x8FA85A;
    t.sideInactive = 0xCBD5AA;
    t.titleText = 0xFFFFFF;
    t.titleTextInactive = 0x77875A;
    t.highlight = 0x8A9E5C;
    t.controlEdge = 0x4E612E;
    t.focus = 0xA6B878;
    t.mark = 0x4B7F1E;
    t.accent = 0x84A050;
    t.accentLight = 0xCAD8A2;
    t.glyph = 0x55663A;
    t.sysButton = 0x96B25E;
    t.chunk = 0x86B445;
  }
  return t;
}

Theme Blue() {
  Theme t;
  t.name = "Blue";
  t.look = Look::Glossy;
  t.title = 28;
  t.left = t.right = t.bottom = 5;
  t.corner = 7;
  t.buttonWidth = 19;
  t.buttonHeight = 17;
  t.buttonTop = 6;
  t.titleActive = {{0, 0x6C9CE8}, {0.47, 0x2456B0}, {0.5, 0x0C2F78}, {1, 0x1A4898}};
  t.titleInactive = {{0, 0x9DB3D8}, {0.47, 0x7890BC}, {0.5, 0x637AA4}, {1, 0x7088B2}};
  t.edgeActive = 0x051A44;
  t.edgeInactive = 0x48597C;
  t.sideActive = 0x15418E;
  t.sideInactive = 0x6F86AE;
  t.face = 0xD9E1EE;
  t.faceShadow = 0x8898B4;
  t.faceDark = 0x485874;
  t.text = 0x0A1830;
  t.titleText = 0xFFFFFF;
  t.titleTextInactive = 0xD2DCEE;
  t.highlight = 0x1E50AA;
  t.menu = 0xEEF2F9;
  t.menuText = 0x0A1830;
  t.menuBar = 0x163E88;
  t.menuBarText = 0xFFFFFF;
  t.scrollTrack = 0xC6D2E6;
  t.controlEdge = 0x0A2C6A;
  t.buttonFace = {{0, 0x86AEEC}, {0.47, 0x4274C6}, {0.5, 0x2656AA}, {1, 0x3D70C2}};
  t.hot = 0x7CD6FF;
  t.focus = 0x7CD6FF;
  t.mark = 0x1E50AA;
  t.accent = 0x2656AA;
  t.accentLight = 0x86AEEC;
  t.glyph = 0xFFFFFF;
  t.close = 0xC8302A;
  t.sysButton = 0x2E60BA;
  t.chunk = 0x3AA4F2;
  t.buttonRadius = 4;
  return t;
}

Theme Whistler() {
  Theme t;
  t.name = "Whistler";
  t.look = Look::Flat;
  t.title = 22;
  t.left = t.right = t.bottom = 3;
  t.corner = 4;
  t.buttonWidth = 18;
  t.buttonHeight = 16;
  t.buttonTop = 3;
  t.titleActive = {{0, 0xF4F8FE}, {1, 0xD3E1F6}};
  t.titleInactive = {{0, 0xFAFAFA}, {1, 0xECECEC}};
  t.edgeActive = 0x7F9DB9;
  t.edgeInactive = 0xB4BEC8;
  t.sideActive = 0xD3E1F6;
  t.sideInactive = 0xECECEC;
  t.face = 0xF4F4F2;
  t.faceShadow = 0xB2B6BC;
  t.faceDark = 0x80848A;
  t.titleText = 0x1E395B;
  t.titleTextInactive = 0x8A96A4;
  t.highlight = 0xBCD2F2;
  t.highlightText = 0x10243C;
  t.menu = 0xFFFFFF;
  t.menuBar = 0xEEF3FA;
  t.scrollTrack = 0xF0F2F5;
  t.controlEdge = 0x7F9DB9;
  t.buttonFace = {{0, 0xFFFFFF}, {1, 0xEDF0F4}};
  t.hot = 0x8DB2E3;
  t.focus = 0x8DB2E3;
  t.mark = 0x2C5FA8;
  t.accent = 0x4C82C8;
  t.accentLight = 0xDDE7F5;
  t.glyph = 0x3C5670;
  t.close = 0xE04848;
  t.sysButton = 0xD3E1F6;
  t.chunk = 0x5A9BE0;
  t.buttonRadius = 2;
  return t;
}

}  // namespace

const Theme* FindTheme(const std::string& name) {
  static const std::vector<Theme> themes = {MacOs(), Luna("XP1"), Luna("XP2"), Luna("XP3"),
                                            Blue(), Whistler()};
  for (const Theme& theme : themes)
    if (theme.name == name) return &theme;
  return nullptr;
}

}  // namespace korvale::skinart
