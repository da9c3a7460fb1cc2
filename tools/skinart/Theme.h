#pragma once

#include <string>

#include "tools/skinart/Paint.h"

namespace korvale::skinart {

// How a skin's title bar, title-bar buttons and controls are drawn.
enum class Look { Pinstripe, Luna, Glossy, Flat };

// Everything the painter needs to know about one bundled skin. The definition INI beside
// the images is written by hand and must agree with the sizes here.
struct Theme {
  std::string name;
  Look look = Look::Luna;

  // Frame metrics: title height (including the top edge), border widths, corner radius.
  int title = 30;
  int left = 4;
  int right = 4;
  int bottom = 4;
  int corner = 8;
  // Title-bar buttons: size and top.
  int buttonWidth = 21;
  int buttonHeight = 21;
  int buttonTop = 5;

  Gradient titleActive;
  Gradient titleInactive;
  Colour edgeActive = 0;    // outer line of the frame
  Colour edgeInactive = 0;
  Colour sideActive = 0;    // body of the side and bottom borders
  Colour sideInactive = 0;

  Colour face = 0xECE9D8;
  Colour faceLight = 0xFFFFFF;
  Colour faceShadow = 0xACA899;
  Colour faceDark = 0x716F64;
  Colour text = 0x000000;
  Colour titleText = 0xFFFFFF;
  Colour titleTextInactive = 0xD8E4F8;
  Colour highlight = 0x316AC5;
  Colour highlightText = 0xFFFFFF;
  Colour menu = 0xFFFFFF;
  Colour menuText = 0x000000;
  Colour menuBar = 0xECE9D8;
  Colour menuBarText = 0x000000;
  Colour scrollTrack = 0xF4F3EE;

  // Controls.
  Colour controlEdge = 0x003C74;      // push-button and box outlines
  Gradient buttonFace;                // push-button body, top to bottom
  Colour hot = 0xF8B330;              // hover accent
  Colour focus = 0x7DA2CE;            // focus accent
  Colour mark = 0x21A121;             // check mark and radio dot
  Colour accent = 0x3C7FB1;           // selections, thumbs, progress
  Colour accentLight = 0xC1D3FB;      // scroll buttons and thumbs
  Colour glyph = 0x4D6185;            // arrows on scroll buttons
  Colour close = 0xD8512B;            // close button body
  Colour sysButton = 0x2663E0;        // other title-bar button bodies
  Colour chunk = 0x2FBF3C;            // progress chunks
  bool chunked = false;               // progress drawn from chunks
  int buttonRadius = 3;
};

// The six bundled skins, by folder name: MacOS, XP1, XP2, XP3, Blue, Whistler.
const Theme* FindTheme(const std::string& name);

}  // namespace korvale::skinart
