#include "tools/skinart/ArtParts.h"

#include <algorithm>
#include <cmath>

namespace korvale::skinart::art {

Colour TitleRow(const Theme& t, bool active, int y, bool stripes) {
  const Colour base = Sample(active ? t.titleActive : t.titleInactive,
                             static_cast<double>(y) / std::max(t.title - 1, 1));
  if (t.look == Look::Pinstripe && stripes && (y % 2) == 1) return Darker(base, 0.06);
  return base;
}

Colour SideColour(const Theme& t, bool active, int y) {
  if (t.look == Look::Pinstripe) {
    const Colour base = active ? t.sideActive : t.sideInactive;
    return (y % 2) == 1 ? Darker(base, 0.06) : base;
  }
  return active ? t.sideActive : t.sideInactive;
}

Shape Polygon(std::vector<std::pair<double, double>> points) {
  return [points](double x, double y) {
    double best = 1e9;
    bool inside = false;
    const size_t n = points.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
      const auto [xi, yi] = points[i];
      const auto [xj, yj] = points[j];
      const double vx = xj - xi, vy = yj - yi;
      const double len2 = vx * vx + vy * vy;
      double u = len2 > 0 ? ((x - xi) * vx + (y - yi) * vy) / len2 : 0;
      u = std::clamp(u, 0.0, 1.0);
      best = std::min(best, std::hypot(x - (xi + u * vx), y - (yi + u * vy)));
      if (((yi > y) != (yj > y)) && (x < (xj - xi) * (y - yi) / (yj - yi) + xi)) inside = !inside;
    }
    return inside ? -best : best;
  };
}

PixelImage Blank(int w, int h, Colour fill) {
  PixelImage image;
  image.Resize(w, h, fill);
  return image;
}

// ---------------------------------------------------------------------------------------
// Glyphs


void DrawGlyph(Painter& p, Glyph glyph, double cx, double cy, double s, Colour colour,
               double weight) {
  switch (glyph) {
    case Glyph::Close:
      p.FillShape(Union(Segment(cx - s, cy - s, cx + s, cy + s, weight),
                        Segment(cx - s, cy + s, cx + s, cy - s, weight)),
                  colour);
      break;
    case Glyph::Maximise: {
      const double l = std::round(cx - s), tp = std::round(cy - s);
      const double r = std::round(cx + s), b = std::round(cy + s);
      p.StrokeShape(RoundRect(l, tp, r, b, 0), 1, colour);
      p.FillShape(RoundRect(l, tp, r, tp + 2 + (weight > 1 ? 1 : 0), 0), colour);
      break;
    }
    case Glyph::Restore: {
      const double d = std::round(s * 0.55);
      const double l = std::round(cx - s), tp = std::round(cy - s);
      const double r = std::round(cx + s), b = std::round(cy + s);
      // The back window shows only where the front one does not cover it.
      const Shape front = RoundRect(l, tp + d, r - d, b, 0);
      const Shape back = RoundRect(l + d, tp, r, b - d, 0);
      const Shape backRing = [=](double x, double y) {
        const double e = back(x, y);
        return std::max(std::max(e, -e - 1), -front(x, y));
      };
      p.FillShape(backRing, colour);
      p.FillShape(Difference(RoundRect(l + d, tp, r, tp + 2, 0), front), colour);
      p.StrokeShape(front, 1, colour);
      p.FillShape(RoundRect(l, tp + d, r - d, tp + d + 2, 0), colour);
      break;
    }
    case Glyph::Minimise: {
      const double l = std::round(cx - s), r = std::round(cx + s * 0.4);
      const double b = std::round(cy + s);
      p.FillShape(RoundRect(l, b - 2 - (weight > 1 ? 1 : 0), r, b, 0), colour);
      break;
    }
  }
}

void DrawArrow(Painter& p, double cx, double cy, double size, int direction, Colour colour) {
  const double a = size, b = size / 2;
  std::vector<std::pair<double, double>> pts;
  switch (direction) {
    case 0: pts = {{cx - a, cy + b}, {cx + a, cy + b}, {cx, cy - b}}; break;
    case 1: pts = {{cx - a, cy - b}, {cx + a, cy - b}, {cx, cy + b}}; break;
    case 2: pts = {{cx + b, cy - a}, {cx + b, cy + a}, {cx - b, cy}}; break;
    default: pts = {{cx - b, cy - a}, {cx - b, cy + a}, {cx + b, cy}}; break;
  }
  p.FillShape(Polygon(pts), colour);
}

namespace {

// A chevron arrow, the shape the luna and flat looks use.
void DrawChevron(Painter& p, double cx, double cy, double size, int direction, Colour colour) {
  const double a = size, b = size / 2;
  auto seg = [&](double x1, double y1, double x2, double y2) { return Segment(x1, y1, x2, y2, 1.0); };
  Shape shape;
  switch (direction) {
    case 0: shape = Union(seg(cx - a, cy + b, cx, cy - b), seg(cx, cy - b, cx + a, cy + b)); break;
    case 1: shape = Union(seg(cx - a, cy - b, cx, cy + b), seg(cx, cy + b, cx + a, cy - b)); break;
    case 2: shape = Union(seg(cx + b, cy - a, cx - b, cy), seg(cx - b, cy, cx + b, cy + a)); break;
    default: shape = Union(seg(cx - b, cy - a, cx + b, cy), seg(cx + b, cy, cx - b, cy + a)); break;
  }
  p.FillShape(shape, colour);
}

}  // namespace

void DrawDirection(const Theme& t, Painter& p, double cx, double cy, double size, int direction,
                   Colour colour) {
  if (t.look == Look::Luna || t.look == Look::Flat)
    DrawChevron(p, cx, cy, size * 0.8, direction, colour);
  else
    DrawArrow(p, cx, cy, size, direction, colour);
}

// ---------------------------------------------------------------------------------------

void PaintSurface(const Theme& t, Painter& p, double l, double tp, double r, double b, State state,
                  double radius) {
  const Shape outer = RoundRect(l, tp, r, b, radius);
  const int top = static_cast<int>(tp), bottom = static_cast<int>(b);
  switch (t.look) {
    case Look::Luna: {
      Colour base = t.accentLight;
      if (state == kHot) base = Lighter(base, 0.35);
      if (state == kPressed) base = Darker(base, 0.12);
      if (state == kDisabled) base = Mix(t.face, 0xFFFFFF, 0.4);
      p.FillShapeVertical(outer, top, bottom, {{0, Lighter(base, 0.5)}, {0.5, base}, {1, Darker(base, 0.08)}});
      p.StrokeShape(outer, 1, state == kDisabled ? Mix(t.faceShadow, 0xFFFFFF, 0.3) : Mix(base, t.glyph, 0.4));
      p.StrokeShape(Inset(outer, 1), 1, Lighter(base, 0.6));
      break;
    }
    case Look::Pinstripe: {
      Gradient g = {{0, 0xFDFDFD}, {0.5, 0xEDEDED}, {0.55, 0xDFDFDF}, {1, 0xF2F2F2}};
      if (state == kPressed || state == kHot)
        g = {{0, Lighter(t.accentLight, 0.3)}, {0.5, t.accentLight}, {0.55, Darker(t.accentLight, 0.15)},
             {1, Lighter(t.accentLight, 0.2)}};
      if (state == kPressed) g = {{0, t.accentLight}, {0.5, Darker(t.accentLight, 0.15)}, {1, t.accentLight}};
      if (state == kDisabled) g = {{0, 0xF6F6F6}, {1, 0xEEEEEE}};
      p.FillShapeVertical(outer, top, bottom, g);
      p.StrokeShape(outer, 1, state == kDisabled ? 0xCACACA : 0x9A9A9A);
      break;
    }
    case Look::Glossy: {
      Gradient g = t.buttonFace;
      if (state == kHot) g = {{0, 0xA8CCF6}, {0.47, 0x5A8CDA}, {0.5, 0x3468BE}, {1, 0x5A90DE}};
      if (state == kPressed) g = {{0, 0x4C78C0}, {0.5, 0x1C468E}, {1, 0x2A5AA8}};
      if (state == kDisabled) g = {{0, 0xC4CEDE}, {1, 0xA8B4C8}};
      p.FillShapeVertical(outer, top, bottom, g);
      p.StrokeShape(outer, 1, t.controlEdge);
      p.StrokeShape(Inset(outer, 1), 1, Mix(g.front().colour, 0xFFFFFF, 0.25));
      break;
    }
    case Look::Flat: {
      Colour fill = t.accentLight;
      Colour edge = Mix(t.controlEdge, 0xFFFFFF, 0.35);
      if (state == kHot) {
        fill = Lighter(t.hot, 0.55);
        edge = t.hot;
      }
      if (state == kPressed) {
        fill = Lighter(t.hot, 0.25);
        edge = Darker(t.hot, 0.15);
      }
      if (state == kDisabled) {
        fill = 0xF4F4F4;
        edge = 0xD4D4D4;
      }
      p.FillShape(outer, fill);
      p.StrokeShape(outer, 1, edge);
      break;
    }
  }
}

Colour SurfaceGlyph(const Theme& t, State state) {
  if (state == kDisabled) return t.look == Look::Glossy ? 0xE4E8F0 : 0xB8B8B0;
  if (t.look == Look::Pinstripe && (state == kHot || state == kPressed)) return 0x1E3A66;
  return t.glyph;
}

}  // namespace korvale::skinart::art
