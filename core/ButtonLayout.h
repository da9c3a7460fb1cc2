#pragma once

// Where a button skinner puts its glyph and caption, and where a check box or radio button
// skinner puts its box: pure arithmetic on sizes, so the painters only blit.
#include "core/FrameGeometry.h"

namespace korvale {

// The glyph's side of the caption, numbered as the bitmap button's Layout property.
enum class GlyphLayout { Left = 0, Right = 1, Top = 2, Bottom = 3 };

enum class CaptionAlign { Left, Right, Centre };

struct GlyphCaptionPlacement {
  PixelRect glyph;
  PixelRect caption;
  CaptionAlign align = CaptionAlign::Left;
  bool operator==(const GlyphCaptionPlacement&) const = default;
};

struct GlyphCaptionInput {
  int width = 0;  // client size
  int height = 0;
  int glyphWidth = 0;  // one glyph; 0 x 0 without a glyph
  int glyphHeight = 0;
  int textWidth = 0;  // measured caption; 0 x 0 without a caption
  int textHeight = 0;
  GlyphLayout layout = GlyphLayout::Left;
  int margin = -1;  // -1: derived from the free space
  int spacing = -1;
  // Speed buttons centre a derived margin one pixel further in.
  bool speedButton = false;
};

// Margin and spacing of -1 share the free space along the layout's axis: both -1 gives
// three equal parts, one -1 gives the other two halves. Spacing counts only when both a
// glyph and a caption exist. Across the axis both are centred.
GlyphCaptionPlacement PlaceGlyphAndCaption(const GlyphCaptionInput& in);

// The box of a check or radio glyph fw x fh in the control's rectangle: centred vertically,
// centred in a 14-pixel column at the left edge, or at the right edge with BS_RIGHTBUTTON.
// A glyph wider than the column starts at the left edge, or ends one pixel inside the right.
PixelRect CheckGlyphRect(PixelRect control, int frameWidth, int frameHeight, bool rightButton);

}  // namespace korvale
