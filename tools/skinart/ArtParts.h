#pragma once

#include <cstddef>  // PixelImage.h uses size_t
#include <utility>
#include <vector>

#include "core/PixelImage.h"
#include "tools/skinart/Paint.h"
#include "tools/skinart/Theme.h"

// The element painters of one skin and the pieces they share. Each painter returns one
// frame or a whole strip in the frame order the skin engine reads.
namespace korvale::skinart::art {

// Frames of a push-style element, by frame number minus one.
enum State { kNormal, kPressed, kDisabled, kHot };

enum class Glyph { Close, Maximise, Restore, Minimise };

// Title band colour of row y, including the pin stripes of the brushed look.
Colour TitleRow(const Theme& t, bool active, int y, bool stripes = true);
Colour SideColour(const Theme& t, bool active, int y);
Shape Polygon(std::vector<std::pair<double, double>> points);
PixelImage Blank(int w, int h, Colour fill = kMagenta);

void DrawGlyph(Painter& p, Glyph glyph, double cx, double cy, double s, Colour colour, double weight);
// A filled arrow head pointing in direction 0 up, 1 down, 2 left, 3 right.
void DrawArrow(Painter& p, double cx, double cy, double size, int direction, Colour colour);
// An arrow in the theme's style: chevrons for the luna and flat looks, heads otherwise.
void DrawDirection(const Theme& t, Painter& p, double cx, double cy, double size, int direction,
                   Colour colour);
// A small push surface in the theme's look (scroll, combo, up-down and MDI buttons).
void PaintSurface(const Theme& t, Painter& p, double l, double tp, double r, double b, State state,
                  double radius);
Colour SurfaceGlyph(const Theme& t, State state);

// The window frame is painted whole at a small size and cut into the four border pieces.
inline constexpr int kSheetMiddle = 60;
inline constexpr int kSheetRows = 20;
struct FrameSheet {
  PixelImage image;
  int width = 0;
  int height = 0;
};
FrameSheet PaintFrameSheet(const Theme& t, bool active);
PixelImage PaintTextBack(const Theme& t, bool active);
PixelImage TitleButtonStrip(const Theme& t, Glyph glyph);
PixelImage PaintMdiStrip(const Theme& t);
PixelImage PaintMenuBar(const Theme& t, bool active);
PixelImage PaintMenuItem(const Theme& t, int frame);
PixelImage PaintMenuFrame(const Theme& t);

PixelImage PaintPushButton(const Theme& t, State state, bool isDefault);
PixelImage PaintCheck(const Theme& t, bool checked, bool disabled);
PixelImage PaintRadio(const Theme& t, bool checked, bool disabled);
PixelImage PaintTab(const Theme& t, State state, bool selected);
PixelImage PaintTabBorder(const Theme& t);
PixelImage PaintGroupBox(const Theme& t, bool active);
PixelImage PaintToolbar(const Theme& t, State state);
PixelImage PaintStatusEdge(const Theme& t, int bevel);
PixelImage PaintSunkEdge(const Theme& t, State state);
PixelImage PaintComboButton(const Theme& t, State state);
PixelImage PaintExtra(const Theme& t, int frame);
PixelImage PaintHeader(const Theme& t, State state);
PixelImage PaintProgress(const Theme& t, bool fill);
PixelImage PaintChunk(const Theme& t);
PixelImage PaintTrack(const Theme& t, bool vertical, int frame);
PixelImage PaintThumb(const Theme& t, bool vertical, State state);
PixelImage PaintScrollArrows(const Theme& t);
PixelImage TrackThumbStrip(const Theme& t, int direction);
PixelImage PaintUpDown(const Theme& t, bool horizontal);
PixelImage PaintUpDownGlyphs(const Theme& t, bool horizontal);

}  // namespace korvale::skinart::art
