#pragma once

// Pure geometry of skinned menus: where an owner-drawn item puts its image box, caption and
// shortcut, which rows of the item strip a separator shows, and which bar button the arrow
// keys move to.
#include <vector>

#include "core/FrameGeometry.h"

namespace korvale {

// The parts of one drop-down item drawn in `item`. Right-to-left menus mirror the layout.
struct MenuItemLayout {
  PixelRect box;       // image or check mark; no area for a separator
  PixelRect caption;   // from the box's far side + 3 to the item's edge - 1
  PixelRect shortcut;  // right-aligned text: from the caption's start to the edge - 11
};
MenuItemLayout LayOutMenuItem(PixelRect item, int boxSize, int leftWidth, bool separator,
                              bool rightToLeft);

// A separator: the item strip's frame `frame`, its bottom `height` rows (all of them when the
// frame is not taller), cut into a left cap, a stretched middle and a right cap, composed
// into a width x height bitmap. Caps wider than the item are narrowed to fit.
std::vector<BlitPiece> SeparatorPieces(int width, int height, PixelRect frame, int leftCap,
                                       int rightCap);

// The bar button the arrow keys move to from `index` among `count` buttons: the next one
// (`step` 1) or the previous one (-1), wrapping at both ends. -1 without buttons.
int NeighbourButton(int count, int index, int step);

}  // namespace korvale
