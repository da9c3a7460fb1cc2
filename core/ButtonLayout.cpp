#include "core/ButtonLayout.h"

namespace korvale {

namespace {

constexpr int kCheckColumn = 14;

// Margin and spacing along one axis of `size`, holding a glyph and a caption.
void ShareFreeSpace(int size, int glyph, int text, bool speedButton, int& margin, int& spacing) {
  if (margin == -1 && spacing == -1) {
    // A third each, the margin taking the rounding so the group stays centred.
    spacing = (size - glyph - text) / 3;
    margin = (size - glyph - text - spacing) / 2;
  } else if (margin == -1) {
    margin = (size - glyph - spacing - text) / 2 + (speedButton ? 1 : 0);
  } else if (spacing == -1) {
    spacing = (size - margin - glyph - text) / 2;
  }
}

int Centred(int size, int extent) { return (size - extent + 1) / 2; }

}  // namespace

GlyphCaptionPlacement PlaceGlyphAndCaption(const GlyphCaptionInput& in) {
  const int gw = in.glyphWidth, gh = in.glyphHeight, tw = in.textWidth, th = in.textHeight;
  const bool both = gw > 0 && tw > 0;
  int margin = in.margin;
  int spacing = both ? in.spacing : 0;
  GlyphCaptionPlacement out;
  const bool horizontal = in.layout == GlyphLayout::Left || in.layout == GlyphLayout::Right;
  if (horizontal) {
    ShareFreeSpace(in.width, gw, tw, in.speedButton, margin, spacing);
    const int glyphTop = Centred(in.height, gh), textTop = Centred(in.height, th);
    int glyphLeft = margin, textLeft = margin + gw + spacing;
    out.align = CaptionAlign::Left;
    if (in.layout == GlyphLayout::Right) {
      glyphLeft = in.width - margin - gw;
      textLeft = glyphLeft - spacing - tw;
      out.align = CaptionAlign::Right;
    }
    out.glyph = {glyphLeft, glyphTop, glyphLeft + gw, glyphTop + gh};
    out.caption = {textLeft, textTop, textLeft + tw, textTop + th};
    return out;
  }
  ShareFreeSpace(in.height, gh, th, in.speedButton, margin, spacing);
  const int glyphLeft = Centred(in.width, gw), textLeft = Centred(in.width, tw);
  int glyphTop = margin, textTop = margin + gh + spacing;
  if (in.layout == GlyphLayout::Bottom) {
    glyphTop = in.height - margin - gh;
    textTop = glyphTop - spacing - th;
  }
  out.align = CaptionAlign::Centre;
  out.glyph = {glyphLeft, glyphTop, glyphLeft + gw, glyphTop + gh};
  out.caption = {textLeft, textTop, textLeft + tw, textTop + th};
  return out;
}

PixelRect CheckGlyphRect(PixelRect control, int frameWidth, int frameHeight, bool rightButton) {
  const int top = control.top + (control.Height() - frameHeight) / 2;
  const bool fits = frameWidth <= kCheckColumn;
  const int inset = (kCheckColumn - frameWidth) / 2;
  if (rightButton) {
    const int right = fits ? control.right - inset : control.right - 1;
    return {right - frameWidth, top, right, top + frameHeight};
  }
  const int left = fits ? control.left + inset : control.left;
  return {left, top, left + frameWidth, top + frameHeight};
}

}  // namespace korvale
