#pragma once

#include <optional>
#include <vector>

#include "core/FrameGeometry.h"

namespace korvale {

// Which title-bar buttons a skinned window shows, where they lie and which frame of their
// image they show. The form skinner asks these and paints.

// What a skin entry says about one title-bar button.
struct SysButtonRule {
  int action = 0;
  int align = 0;
  int x = 0;            // Xcoord
  int y = 0;            // Ycoord
  int visibility = 0;
  int visibility1 = 0;
};

// What the window is like when the buttons are decided.
struct SysButtonWindow {
  int borderKind = 0;          // 0 sizeable or edged, 2 caption-less popup, 3 other
  bool systemMenu = false;
  bool maximizeBox = false;
  bool minimizeBox = false;
  bool maximized = false;
  bool active = false;
  bool mdiChildMaximized = false;  // an MDI frame whose active child is maximised
  int menuHeight = 0;
};

// Both visibility tests and the action test: Action 1 needs a maximise box, 2 a minimise box.
bool ButtonVisible(const SysButtonRule& rule, const SysButtonWindow& window);

// One button to place: its rule, whether it is shown and its image's size and frame count.
struct SysButtonShape {
  SysButtonRule rule;
  bool visible = false;
  int imageWidth = 0;
  int imageHeight = 0;
  int frameCount = 1;
};

// The frame around the buttons: window width W, borders L, T, R, the menu band M, the
// title text rectangle of the last paint and the MenuBar element's left cap (0 without one).
struct SysButtonFrame {
  int width = 0;
  int left = 0;
  int top = 0;
  int right = 0;
  int menuHeight = 0;
  PixelRect textRect;
  int menuBarLeftWidth = 0;
  bool rightToLeft = false;
};

struct SysButtonLayout {
  // One per shape: the rectangle in window coordinates, or none for a hidden button or one
  // without an image (it keeps whatever it had).
  std::vector<std::optional<PixelRect>> rects;
  int maxButtonLeft = 0;  // largest left edge among right-anchored (Align 1) buttons
};

SysButtonLayout LayoutSysButtons(const std::vector<SysButtonShape>& shapes, const SysButtonFrame& frame);

// Buttons of these actions show the window's small icon.
inline bool IsIconAction(int action) { return action == 3 || action == 11; }

// The frame a title-bar button shows in the whole title: 1, or 4 for an inactive window
// when the image has four frames or more.
int TitleButtonFrame(bool active, int frameCount);

// The frame a button shows in hot-spot state `state` (1 normal, 2 pressed, 3 hot); a
// menu-bar button (Visibility 100) shows its hot look in frame 4.
int HotStateFrame(int state, int visibility);

}  // namespace korvale
