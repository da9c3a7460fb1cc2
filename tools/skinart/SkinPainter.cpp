#include "tools/skinart/SkinPainter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/skinart/Paint.h"

namespace korvale::skinart {

namespace {

// Frames of a push-style element: the states the painters use, by frame number.
enum State { kNormal, kPressed, kDisabled, kHot };

// Title band colour of row y, including the pin stripes of the brushed look.
Colour TitleRow(const Theme& t, bool active, int y, bool stripes = true) {
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

PixelImage Blank(int w, int h, Colour fill = kMagenta) {
  PixelImage image;
  image.Resize(w, h, fill);
  return image;
}

// ---------------------------------------------------------------------------------------
// Glyphs

enum class Glyph { Close, Maximise, Restore, Minimise };

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

// A filled arrow head pointing in direction 0 up, 1 down, 2 left, 3 right.
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

void DrawDirection(const Theme& t, Painter& p, double cx, double cy, double size, int direction,
                   Colour colour) {
  if (t.look == Look::Luna || t.look == Look::Flat)
    DrawChevron(p, cx, cy, size * 0.8, direction, colour);
  else
    DrawArrow(p, cx, cy, size, direction, colour);
}

// ---------------------------------------------------------------------------------------
// A small push surface in the theme's look (scroll, combo, up-down and MDI buttons).

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

// ---------------------------------------------------------------------------------------
// Window frame

struct FrameSheet {
  PixelImage image;
  int width = 0;
  int height = 0;
};

constexpr int kSheetMiddle = 60;
constexpr int kSheetRows = 20;

FrameSheet PaintFrameSheet(const Theme& t, bool active) {
  FrameSheet sheet;
  sheet.width = t.left + kSheetMiddle + t.right;
  sheet.height = t.title + kSheetRows + t.bottom;
  sheet.image = Blank(sheet.width, sheet.height);
  PixelImage& img = sheet.image;
  Painter p(img);
  const int w = sheet.width, h = sheet.height;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.Set(x, y, y < t.title ? TitleRow(t, active, y) : SideColour(t, active, y));
  const Colour edge = active ? t.edgeActive : t.edgeInactive;
  switch (t.look) {
    case Look::Luna: {
      // Side borders shade from the outer edge inwards like the title band's bottom.
      for (int y = t.title; y < h; ++y) {
        for (int i = 0; i < t.left; ++i) {
          const Colour c = Mix(SideColour(t, active, y), edge, 0.25 * (t.left - 1 - i) / t.left);
          img.Set(i, y, c);
          img.Set(w - 1 - i, y, c);
        }
      }
      for (int x = 0; x < w; ++x)
        for (int i = 0; i < t.bottom; ++i)
          if (x >= i && x < w - i) img.Set(x, h - 1 - i, Mix(SideColour(t, active, 0), edge, 0.25 * (t.bottom - 1 - i) / t.bottom));
      // A lighter line along the top of the title band.
      p.HLine(t.corner, w - t.corner, 1, Lighter(TitleRow(t, active, 1), 0.35));
      break;
    }
    case Look::Glossy:
      p.VLine(1, t.title, h - 1, Mix(SideColour(t, active, 0), 0xFFFFFF, 0.25));
      p.VLine(w - 2, t.title, h - 1, Mix(SideColour(t, active, 0), 0x000000, 0.2));
      p.HLine(1, w - 1, h - 2, Mix(SideColour(t, active, 0), 0x000000, 0.2));
      p.HLine(t.corner - 2, w - t.corner + 2, 1, Lighter(TitleRow(t, active, 1), 0.45));
      break;
    case Look::Pinstripe:
      p.HLine(t.corner, w - t.corner, 1, 0xFFFFFF);
      break;
    case Look::Flat:
      break;
  }
  // Inner line between frame and client area.
  const Colour inner = t.look == Look::Glossy ? Mix(edge, 0x000000, 0.2)
                       : t.look == Look::Luna ? Darker(SideColour(t, active, 0), 0.25)
                                              : Mix(edge, 0xFFFFFF, 0.3);
  p.HLine(t.left - 1, w - t.right + 1, t.title - 1, inner);
  p.VLine(t.left - 1, t.title - 1, h - t.bottom + 1, inner);
  p.VLine(w - t.right, t.title - 1, h - t.bottom + 1, inner);
  p.HLine(t.left - 1, w - t.right + 1, h - t.bottom, inner);
  p.Fill(t.left, t.title, w - t.right, h - t.bottom, t.face);

  const Shape outline = TopRoundRect(0, 0, w, h, t.corner);
  // The outer edge, blended over the band so the rounded corners stay smooth.
  p.StrokeShape(outline, 1, edge);
  p.CutOutside(outline, 0, 0, w, h);
  return sheet;
}

// ---------------------------------------------------------------------------------------
// Title bar

PixelImage PaintTextBack(const Theme& t, bool active) {
  const int w = 48, h = t.title;
  PixelImage img = Blank(w, h);
  Painter p(img);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.Set(x, y, TitleRow(t, active, y));
  switch (t.look) {
    case Look::Pinstripe:
      // The stripes stop behind the text and fade back in at the ends.
      for (int y = 2; y < h - 2; ++y)
        for (int x = 0; x < w; ++x) {
          const double edge = std::min(x, w - 1 - x) / 10.0;
          img.Set(x, y, Mix(TitleRow(t, active, y), TitleRow(t, active, y, false), std::min(edge, 1.0)));
        }
      break;
    case Look::Luna:
      for (int y = 3; y < h - 3; ++y)
        for (int x = 0; x < w; ++x) {
          const double edge = std::min(std::min(x, w - 1 - x) / 12.0, 1.0);
          img.Set(x, y, Mix(TitleRow(t, active, y), 0xFFFFFF, 0.08 * edge));
        }
      break;
    case Look::Glossy: {
      const Shape plate = RoundRect(1, 5, w - 1, h - 4, (h - 9) / 2.0);
      p.FillShape(plate, [&](int, int y) { return Mix(TitleRow(t, active, y), 0x000818, 0.28); });
      p.StrokeShape(plate, 1, Mix(TitleRow(t, active, h / 2), 0xFFFFFF, 0.18));
      break;
    }
    case Look::Flat: {
      const Shape plate = RoundRect(1, 3, w - 1, h - 3, 3);
      p.FillShape(plate, [&](int, int y) { return Mix(TitleRow(t, active, y), 0xFFFFFF, 0.55); });
      break;
    }
  }
  // Unchanged pixels are left to the title band itself.
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (img.At(x, y) == TitleRow(t, active, y)) img.Set(x, y, kMagenta);
  return img;
}

PixelImage PaintTitleButton(const Theme& t, Glyph glyph, State state, bool active) {
  const int w = t.buttonWidth, h = t.buttonHeight;
  PixelImage img = Blank(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.Set(x, y, TitleRow(t, active, t.buttonTop + y));
  Painter p(img);
  const double cx = w / 2.0, cy = h / 2.0;
  const bool isClose = glyph == Glyph::Close;
  switch (t.look) {
    case Look::Luna: {
      Colour body = isClose ? t.close : t.sysButton;
      if (state == kHot) body = Lighter(body, 0.22);
      if (state == kPressed) body = Darker(body, 0.22);
      if (!active) body = Mix(body, TitleRow(t, false, t.buttonTop + h / 2), 0.6);
      const Shape box = RoundRect(0.5, 0.5, w - 0.5, h - 0.5, 3);
      const bool lightBody = (RedOf(body) + GreenOf(body) + BlueOf(body)) > 560;
      p.FillShapeVertical(box, 0, h, {{0, Lighter(body, 0.45)}, {0.3, body}, {1, Darker(body, 0.12)}});
      p.StrokeShape(box, 1, active ? (lightBody ? 0x8A8AA2 : 0xFFFFFF) : Mix(0xFFFFFF, body, 0.4));
      const Colour g = lightBody ? 0x3A3A52 : 0xFFFFFF;
      DrawGlyph(p, glyph, cx, cy, w * 0.2, active ? g : Mix(g, body, 0.35), 1.1);
      break;
    }
    case Look::Pinstripe: {
      Colour body = glyph == Glyph::Close ? t.close : glyph == Glyph::Minimise ? 0xF8B930 : t.sysButton;
      if (state == kPressed) body = Darker(body, 0.2);
      if (!active) body = 0xCFCFCF;
      const double r = w / 2.0 - 1;
      const Shape circle = Circle(cx, cy, r);
      p.FillShapeVertical(circle, 0, h, {{0, Darker(body, 0.1)}, {0.6, body}, {1, Lighter(body, 0.35)}});
      p.StrokeShape(circle, 1, Darker(body, 0.28));
      p.FillShape(Circle(cx, cy - r * 0.45, r * 0.45), [&](int, int) { return Lighter(body, 0.5); });
      if (state == kHot || state == kPressed) {
        const Colour g = Darker(body, 0.62);
        if (glyph == Glyph::Close)
          DrawGlyph(p, glyph, cx, cy, 2.5, g, 0.8);
        else if (glyph == Glyph::Minimise)
          p.FillShape(Segment(cx - 3, cy, cx + 3, cy, 0.8), g);
        else
          p.FillShape(Union(Segment(cx - 3, cy, cx + 3, cy, 0.8), Segment(cx, cy - 3, cx, cy + 3, 0.8)), g);
      }
      break;
    }
    case Look::Glossy: {
      Colour top = isClose ? 0xF08070 : 0x8CB4F0;
      Colour bottom = isClose ? t.close : t.sysButton;
      if (state == kHot) {
        top = Lighter(top, 0.3);
        bottom = Mix(bottom, isClose ? 0xFF6040 : t.hot, 0.45);
      }
      if (state == kPressed) {
        top = Darker(top, 0.25);
        bottom = Darker(bottom, 0.3);
      }
      if (!active) {
        top = Mix(top, 0xB8C4D8, 0.7);
        bottom = Mix(bottom, 0x7890BC, 0.7);
      }
      const Shape box = RoundRect(0.5, 0.5, w - 0.5, h - 0.5, 3.5);
      p.FillShapeVertical(box, 0, h, {{0, top}, {0.48, Mix(top, bottom, 0.55)}, {0.52, bottom}, {1, Lighter(bottom, 0.2)}});
      p.StrokeShape(box, 1, active ? t.edgeActive : t.edgeInactive);
      p.StrokeShape(Inset(box, 1), 0.8, Mix(top, 0xFFFFFF, 0.35));
      DrawGlyph(p, glyph, cx, cy, w * 0.2, active ? 0xFFFFFF : 0xE4EAF4, 1.0);
      break;
    }
    case Look::Flat: {
      const Shape box = RoundRect(0.5, 0.5, w - 0.5, h - 0.5, 2);
      Colour g = active ? t.glyph : 0xA0A8B4;
      if (state == kHot || state == kPressed) {
        const Colour fill = isClose ? (state == kPressed ? Darker(t.close, 0.2) : t.close)
                                    : (state == kPressed ? Lighter(t.hot, 0.2) : Lighter(t.hot, 0.55));
        p.FillShape(box, fill);
        p.StrokeShape(box, 1, isClose ? Darker(t.close, 0.25) : t.hot);
        if (isClose) g = 0xFFFFFF;
      }
      DrawGlyph(p, glyph, cx, cy, 3.5, g, 0.9);
      break;
    }
  }
  return img;
}

PixelImage TitleButtonStrip(const Theme& t, Glyph glyph) {
  return JoinFrames({PaintTitleButton(t, glyph, kNormal, true), PaintTitleButton(t, glyph, kPressed, true),
                     PaintTitleButton(t, glyph, kHot, true), PaintTitleButton(t, glyph, kNormal, false)},
                    false);
}

// Three small buttons (minimise, restore, close) of four frames for a maximised MDI child.
PixelImage PaintMdiStrip(const Theme& t) {
  const int w = 16, h = 14;
  std::vector<PixelImage> frames;
  for (Glyph glyph : {Glyph::Minimise, Glyph::Restore, Glyph::Close})
    for (State state : {kNormal, kPressed, kHot, kHot}) {
      PixelImage img = Blank(w, h, t.face);
      Painter p(img);
      PaintSurface(t, p, 0.5, 0.5, w - 0.5, h - 0.5, state, 2);
      const Colour g = SurfaceGlyph(t, state);
      DrawGlyph(p, glyph, w / 2.0, h / 2.0, 3, g, 0.8);
      p.CutOutside(RoundRect(0.5, 0.5, w - 0.5, h - 0.5, 2), 0, 0, w, h);
      frames.push_back(img);
    }
  return JoinFrames(frames, false);
}

// ---------------------------------------------------------------------------------------
// Push buttons, check boxes, radio buttons

PixelImage PaintPushButton(const Theme& t, State state, bool isDefault) {
  const int w = 30, h = 22;
  PixelImage img = Blank(w, h, t.face);
  Painter p(img);
  const double r = t.look == Look::Pinstripe ? 10.5 : t.buttonRadius;
  const Shape outer = RoundRect(0.5, 0.5, w - 0.5, h - 0.5, r);
  switch (t.look) {
    case Look::Luna: {
      Gradient g = t.buttonFace;
      if (state == kPressed) g = {{0, Darker(g.back().colour, 0.05)}, {1, g.front().colour}};
      if (state == kDisabled) g = {{0, Mix(t.face, 0xFFFFFF, 0.5)}, {1, Mix(t.face, 0xFFFFFF, 0.5)}};
      p.FillShapeVertical(outer, 0, h, g);
      if (state == kHot || isDefault) {
        const Colour ring = state == kHot ? t.hot : t.focus;
        p.StrokeShape(Inset(outer, 1), 2, ring);
        p.StrokeShape(Inset(outer, 1), 1, Lighter(ring, 0.4));
      }
      p.StrokeShape(outer, 1, state == kDisabled ? Mix(t.faceShadow, 0xFFFFFF, 0.3) : t.controlEdge);
      break;
    }
    case Look::Pinstripe: {
      Gradient g = t.buttonFace;
      if (state == kHot || isDefault || state == kPressed) {
        const Colour a = state == kPressed ? Darker(t.accent, 0.15) : t.accent;
        g = {{0, Lighter(a, 0.55)}, {0.5, Lighter(a, 0.3)}, {0.55, a}, {1, Lighter(a, 0.45)}};
      }
      if (state == kDisabled) g = {{0, 0xFAFAFA}, {1, 0xF0F0F0}};
      p.FillShapeVertical(outer, 0, h, g);
      p.StrokeShape(outer, 1, state == kDisabled ? 0xCFCFCF : (state == kHot || isDefault || state == kPressed) ? Darker(t.accent, 0.3) : t.controlEdge);
      p.FillShape(RoundRect(5, 2, w - 5, 8, 3), [&](int x, int y) { return Mix(img.At(x, y), 0xFFFFFF, 0.5); });
      break;
    }
    case Look::Glossy: {
      Gradient g = t.buttonFace;
      if (state == kHot) g = {{0, 0xA8CCF6}, {0.47, 0x5A8CDA}, {0.5, 0x3468BE}, {1, 0x5A90DE}};
      if (state == kPressed) g = {{0, 0x4C78C0}, {0.5, 0x1C468E}, {1, 0x2A5AA8}};
      if (state == kDisabled) g = {{0, 0xC8D2E2}, {1, 0xAEBACE}};
      p.FillShapeVertical(outer, 0, h, g);
      p.StrokeShape(outer, 1, state == kDisabled ? 0x8898B4 : t.controlEdge);
      p.StrokeShape(Inset(outer, 1), 1, (state == kHot || isDefault) ? t.hot : Mix(g.front().colour, 0xFFFFFF, 0.3));
      break;
    }
    case Look::Flat: {
      Colour fill0 = 0xFFFFFF, fill1 = 0xEDF0F4, edge = t.controlEdge;
      if (state == kHot || isDefault) {
        fill0 = Lighter(t.hot, 0.75);
        fill1 = Lighter(t.hot, 0.5);
        edge = Darker(t.hot, 0.2);
      }
      if (state == kPressed) {
        fill0 = Lighter(t.hot, 0.35);
        fill1 = Lighter(t.hot, 0.5);
        edge = Darker(t.hot, 0.3);
      }
      if (state == kDisabled) {
        fill0 = fill1 = 0xF6F6F6;
        edge = 0xCDD2D8;
      }
      p.FillShapeVertical(outer, 0, h, {{0, fill0}, {1, fill1}});
      p.StrokeShape(outer, 1, edge);
      break;
    }
  }
  p.CutOutside(outer, 0, 0, w, h);
  return img;
}

const std::vector<std::string> kCheckMark = {
    "......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#....",
};

PixelImage PaintCheck(const Theme& t, bool checked, bool disabled) {
  const int s = 13;
  PixelImage img = Blank(s, s, t.face);
  Painter p(img);
  const double r = t.look == Look::Pinstripe ? 3 : t.look == Look::Glossy ? 2 : 0;
  const Shape box = RoundRect(0, 0, s, s, r);
  const bool filled = checked && (t.look == Look::Pinstripe || t.look == Look::Glossy);
  if (filled && !disabled) {
    const Colour a = t.look == Look::Glossy ? t.accent : t.accent;
    p.FillShapeVertical(box, 0, s, {{0, Lighter(a, 0.4)}, {0.5, a}, {1, Lighter(a, 0.25)}});
    p.StrokeShape(box, 1, Darker(a, 0.3));
  } else {
    const Colour edge = disabled ? Mix(t.faceShadow, 0xFFFFFF, 0.35)
                        : t.look == Look::Luna ? Darker(t.accent, 0.35)
                                               : t.controlEdge;
    const Gradient g = disabled ? Gradient{{0, 0xF4F4F4}, {1, 0xF4F4F4}}
                       : t.look == Look::Luna ? Gradient{{0, 0xDCDCD7}, {1, 0xFFFFFF}}
                                              : Gradient{{0, 0xFFFFFF}, {1, 0xEEEEEE}};
    p.FillShapeVertical(box, 0, s, g);
    p.StrokeShape(box, 1, edge);
  }
  if (checked) {
    const Colour c = disabled ? t.faceShadow : filled ? 0xFFFFFF : t.mark;
    p.Pattern(3, 3, kCheckMark, c);
  }
  p.CutOutside(box, 0, 0, s, s);
  return img;
}

PixelImage PaintRadio(const Theme& t, bool checked, bool disabled) {
  const int s = 13;
  PixelImage img = Blank(s, s, t.face);
  Painter p(img);
  const Shape ring = Circle(6.5, 6.5, 6.3);
  const bool filled = checked && (t.look == Look::Pinstripe || t.look == Look::Glossy);
  if (filled && !disabled) {
    p.FillShapeVertical(ring, 0, s, {{0, Lighter(t.accent, 0.4)}, {0.5, t.accent}, {1, Lighter(t.accent, 0.25)}});
    p.StrokeShape(ring, 1, Darker(t.accent, 0.3));
    p.FillShape(Circle(6.5, 6.5, 2.3), 0xFFFFFF);
  } else {
    const Colour edge = disabled ? Mix(t.faceShadow, 0xFFFFFF, 0.35)
                        : t.look == Look::Luna ? Darker(t.accent, 0.35)
                                               : t.controlEdge;
    p.FillShapeVertical(ring, 0, s, disabled ? Gradient{{0, 0xF4F4F4}, {1, 0xF4F4F4}}
                                             : Gradient{{0, 0xDCDCD7}, {1, 0xFFFFFF}});
    p.StrokeShape(ring, 1, edge);
    if (checked) {
      const Colour c = disabled ? t.faceShadow : t.mark;
      p.FillShapeVertical(Circle(6.5, 6.5, 2.8), 3, 10, {{0, Lighter(c, 0.4)}, {1, c}});
    }
  }
  p.CutOutside(ring, 0, 0, s, s);
  return img;
}

// ---------------------------------------------------------------------------------------
// Menus

PixelImage PaintMenuBar(const Theme& t, bool active) {
  const int w = 40, h = 20;
  PixelImage img = Blank(w, h);
  Painter p(img);
  switch (t.look) {
    case Look::Pinstripe:
      for (int y = 0; y < h; ++y) p.HLine(0, w, y, (y % 2) ? Darker(t.menuBar, 0.03) : t.menuBar);
      p.HLine(0, w, h - 1, 0xB4B4B4);
      break;
    case Look::Luna:
      p.VerticalGradient(0, 0, w, h, {{0, Lighter(t.menuBar, 0.35)}, {1, t.menuBar}});
      break;
    case Look::Glossy: {
      const Colour base = active ? t.menuBar : Mix(t.menuBar, 0x8898B4, 0.5);
      p.VerticalGradient(0, 0, w, h, {{0, Lighter(base, 0.25)}, {0.5, base}, {1, Darker(base, 0.2)}});
      p.HLine(0, w, 0, Lighter(base, 0.4));
      p.HLine(0, w, h - 1, Darker(base, 0.45));
      break;
    }
    case Look::Flat:
      p.VerticalGradient(0, 0, w, h, {{0, 0xFFFFFF}, {1, t.menuBar}});
      p.HLine(0, w, h - 1, Mix(t.controlEdge, 0xFFFFFF, 0.5));
      break;
  }
  return img;
}

PixelImage PaintMenuItem(const Theme& t, int frame) {
  const int w = 40, h = 20;
  PixelImage img = Blank(w, h);
  Painter p(img);
  if (frame == 2) {  // separator, taken from the bottom rows
    p.HLine(2, w - 2, h - 5, t.faceShadow);
    p.HLine(2, w - 2, h - 4, 0xFFFFFF);
    return img;
  }
  if (frame == 1 || frame == 3) return img;
  const Shape box = RoundRect(0.5, 0.5, w - 0.5, h - 0.5, t.look == Look::Luna ? 0 : 3);
  PixelImage matte = Blank(w, h, t.menu);
  Painter m(matte);
  switch (t.look) {
    case Look::Luna:
      m.FillShape(box, t.highlight);
      break;
    case Look::Pinstripe:
      m.FillShapeVertical(box, 0, h, {{0, Lighter(t.highlight, 0.2)}, {1, t.highlight}});
      break;
    case Look::Glossy:
      m.FillShapeVertical(box, 0, h, {{0, 0x6C9CE8}, {0.47, 0x2456B0}, {0.5, 0x0C2F78}, {1, 0x1A4898}});
      m.StrokeShape(box, 1, 0x0A2C6A);
      break;
    case Look::Flat:
      m.FillShapeVertical(box, 0, h, {{0, Lighter(t.highlight, 0.4)}, {1, t.highlight}});
      m.StrokeShape(box, 1, t.hot);
      break;
  }
  m.CutOutside(box, 0, 0, w, h);
  return matte;
}

PixelImage PaintMenuFrame(const Theme& t) {
  const int s = 24;
  PixelImage img = Blank(s, s, t.menu);
  Painter p(img);
  const Colour edge = t.look == Look::Glossy ? 0x0B2F6E : t.look == Look::Flat ? 0x8A9BB0 : t.faceShadow;
  p.FrameRect(0, 0, s, s, edge);
  if (t.look == Look::Glossy) p.FrameRect(1, 1, s - 1, s - 1, 0xB8C8E4);
  if (t.look == Look::Luna) p.FrameRect(1, 1, s - 1, s - 1, Lighter(t.face, 0.5));
  return img;
}

// ---------------------------------------------------------------------------------------
// Tabs, boxes, bars

PixelImage PaintTab(const Theme& t, State state, bool selected) {
  const int w = 40, h = 22;
  PixelImage img = Blank(w, h, t.face);
  Painter p(img);
  const double top = selected ? 0.5 : 2.5;
  const double radius = t.look == Look::Pinstripe ? 5 : 3;
  const Shape shape = TopRoundRect(0.5, top, w - 0.5, h, radius);
  const Colour edge = t.look == Look::Glossy ? t.controlEdge : t.look == Look::Luna ? 0x919B9C : t.controlEdge;
  Gradient g = {{0, 0xFFFFFF}, {1, Mix(t.face, 0xFFFFFF, 0.4)}};
  if (t.look == Look::Glossy && !selected) g = {{0, 0xB4C8EA}, {1, 0x8AA6D6}};
  if (t.look == Look::Glossy && selected) g = {{0, 0xFFFFFF}, {1, t.face}};
  if (t.look == Look::Pinstripe && selected) g = {{0, Lighter(t.accent, 0.55)}, {0.5, Lighter(t.accent, 0.3)}, {0.55, t.accent}, {1, Lighter(t.accent, 0.45)}};
  if (state == kDisabled) g = {{0, 0xF4F4F4}, {1, 0xEEEEEE}};
  if (state == kHot) g = {{0, 0xFFFFFF}, {1, Lighter(t.hot, 0.7)}};
  p.FillShapeVertical(shape, static_cast<int>(top), h, g);
  p.StrokeShape(shape, 1, state == kDisabled ? 0xCCCCCC : edge);
  if (t.look == Look::Luna && (selected || state == kHot)) {
    const Shape bar = TopRoundRect(0.5, top, w - 0.5, top + 3, radius);
    p.FillShape(bar, t.hot);
    p.FillShape(TopRoundRect(1.5, top + 1, w - 1.5, top + 3, radius - 1), Lighter(t.hot, 0.35));
  }
  if (t.look == Look::Flat && selected) p.HLine(2, w - 2, 1, t.accent);
  if (selected) p.HLine(1, w - 1, h - 1, t.face);  // opens into the page
  p.CutOutside(shape, 0, 0, w, h);
  return img;
}

PixelImage PaintTabBorder(const Theme& t) {
  const int s = 20;
  PixelImage img = Blank(s, s, t.face);
  Painter p(img);
  const Colour edge = t.look == Look::Luna ? 0x919B9C : t.controlEdge;
  p.FrameRect(0, 0, s, s, edge);
  p.Bevel(1, 1, s - 1, s - 1, 0xFFFFFF, Mix(t.face, t.faceShadow, 0.5));
  return img;
}

PixelImage PaintGroupBox(const Theme& t, bool active) {
  const int s = 20;
  PixelImage img = Blank(s, s, t.face);
  Painter p(img);
  const Shape box = RoundRect(0.5, 0.5, s - 0.5, s - 0.5, t.look == Look::Flat ? 2 : 4);
  p.StrokeShape(box, 1, active ? Mix(t.faceShadow, t.face, 0.35) : Mix(t.faceShadow, t.face, 0.6));
  return img;
}

PixelImage PaintToolbar(const Theme& t, State state) {
  const int w = 20, h = 26;
  PixelImage img = Blank(w, h);
  Painter p(img);
  Colour base = t.look == Look::Glossy ? Mix(t.face, t.accentLight, 0.3) : t.face;
  if (state == kHot) base = Lighter(t.hot, 0.6);
  if (state == kPressed) base = Lighter(t.hot, 0.35);
  p.VerticalGradient(0, 0, w, h, {{0, Lighter(base, 0.6)}, {1, base}});
  p.HLine(0, w, h - 1, t.faceShadow);
  return img;
}

PixelImage PaintStatusEdge(const Theme& t, int bevel) {
  const int s = 12;
  PixelImage img = Blank(s, s, t.face);
  Painter p(img);
  const Colour shade = Mix(t.faceShadow, t.face, 0.2);
  if (bevel == 1) p.Bevel(0, 0, s, s, shade, 0xFFFFFF);
  if (bevel == 2) p.Bevel(0, 0, s, s, 0xFFFFFF, shade);
  return img;
}

PixelImage PaintSunkEdge(const Theme& t, State state) {
  const int s = 20;
  PixelImage img = Blank(s, s, 0xFFFFFF);
  Painter p(img);
  Colour edge = t.look == Look::Luna ? 0x7F9DB9 : t.controlEdge;
  if (state == kHot) edge = t.look == Look::Luna ? t.focus : t.hot;
  if (state == kPressed) edge = t.accent;
  if (state == kDisabled) edge = Mix(t.faceShadow, 0xFFFFFF, 0.4);
  p.FrameRect(0, 0, s, s, edge);
  if (state == kDisabled) p.Fill(1, 1, s - 1, s - 1, 0xF6F6F4);
  return img;
}

PixelImage PaintComboButton(const Theme& t, State state) {
  const int w = 18, h = 21;
  PixelImage img = Blank(w, h, 0xFFFFFF);
  Painter p(img);
  Colour edge = t.look == Look::Luna ? 0x7F9DB9 : t.controlEdge;
  if (state == kDisabled) edge = Mix(t.faceShadow, 0xFFFFFF, 0.4);
  if (state == kHot) edge = t.look == Look::Luna ? t.focus : t.hot;
  p.HLine(0, w, 0, edge);
  p.HLine(0, w, h - 1, edge);
  p.VLine(w - 1, 0, h, edge);
  PaintSurface(t, p, 1.5, 1.5, w - 1.5, h - 1.5, state, t.look == Look::Pinstripe ? 4 : 2);
  return img;
}

PixelImage PaintExtra(const Theme& t, int frame) {
  const int s = 13;
  PixelImage img = Blank(s, s);
  Painter p(img);
  if (frame <= 4) {
    const State state = static_cast<State>(frame - 1);
    const Colour c = state == kDisabled ? 0xB8B8B0 : SurfaceGlyph(t, state);
    PixelImage back = Blank(s, s, t.look == Look::Glossy ? t.accent : t.accentLight);
    Painter b(back);
    DrawDirection(t, b, 6.5, 6.5, 3.5, 1, c);
    for (int y = 0; y < s; ++y)
      for (int x = 0; x < s; ++x)
        if (back.At(x, y) != (t.look == Look::Glossy ? t.accent : t.accentLight)) img.Set(x, y, back.At(x, y));
    return img;
  }
  // Size grip: a triangle of raised dots.
  for (int j = 0; j < 4; ++j)
    for (int i = 0; i < 4; ++i)
      if (i + j >= 3) {
        const int x = 1 + i * 3, y = 1 + j * 3;
        p.Pixel(x + 1, y + 1, 0xFFFFFF);
        p.Pixel(x, y, t.faceShadow);
      }
  return img;
}

PixelImage PaintHeader(const Theme& t, State state) {
  const int s = 20;
  PixelImage img = Blank(s, s);
  Painter p(img);
  Gradient g = {{0, 0xFFFFFF}, {1, Mix(t.face, 0xFFFFFF, 0.3)}};
  if (t.look == Look::Glossy) g = {{0, 0xE8EEF8}, {0.5, 0xD0DCEE}, {0.52, 0xC0CEE6}, {1, 0xD0DCEE}};
  if (t.look == Look::Pinstripe) g = {{0, 0xFFFFFF}, {0.5, 0xF2F2F2}, {0.55, 0xE6E6E6}, {1, 0xF2F2F2}};
  if (state == kHot) g = {{0, 0xFFFFFF}, {1, Lighter(t.hot, 0.7)}};
  if (state == kPressed) g = {{0, Mix(t.face, t.faceShadow, 0.3)}, {1, t.face}};
  p.VerticalGradient(0, 0, s, s, g);
  p.HLine(0, s, s - 1, t.look == Look::Luna ? 0xD6D2C2 : t.faceShadow);
  if (t.look == Look::Luna) {
    p.HLine(0, s, s - 2, 0xE2DECD);
    p.HLine(0, s, s - 3, 0xEBEADB);
    if (state == kHot) p.Fill(0, s - 3, s, s, t.hot);
  }
  p.VLine(s - 1, 3, s - 4, t.faceShadow);
  p.VLine(s - 2, 3, s - 4, 0xFFFFFF);
  return img;
}

PixelImage PaintProgress(const Theme& t, bool fill) {
  const int w = 24, h = 14;
  PixelImage img = Blank(w, h, t.face);
  Painter p(img);
  const double r = t.look == Look::Pinstripe ? 6.5 : t.look == Look::Flat ? 1 : 3;
  const Shape trough = RoundRect(0.5, 0.5, w - 0.5, h - 0.5, r);
  if (!fill) {
    p.FillShapeVertical(trough, 0, h, {{0, Mix(t.face, t.faceShadow, 0.35)}, {0.3, 0xFFFFFF}, {1, 0xF8F8F8}});
    p.StrokeShape(trough, 1, t.look == Look::Luna ? 0x686868 : t.faceShadow);
  } else {
    const Colour a = t.look == Look::Glossy ? t.chunk : t.accent;
    p.FillShapeVertical(trough, 0, h, {{0, Lighter(a, 0.6)}, {0.48, Lighter(a, 0.2)}, {0.52, a}, {1, Lighter(a, 0.3)}});
    p.StrokeShape(trough, 1, Darker(a, 0.3));
  }
  p.CutOutside(trough, 0, 0, w, h);
  return img;
}

PixelImage PaintChunk(const Theme& t) {
  const int w = 8, h = 10;
  PixelImage img = Blank(w, h);
  Painter p(img);
  p.VerticalGradient(0, 0, 6, h, {{0, Lighter(t.chunk, 0.55)}, {0.45, Lighter(t.chunk, 0.2)}, {1, t.chunk}});
  return img;
}

// One track of a scroll bar, horizontal (long side x) or vertical.
PixelImage PaintTrack(const Theme& t, bool vertical, int frame) {
  const int length = 32, thick = 16;
  PixelImage img = Blank(length, thick, t.scrollTrack);
  Painter p(img);
  Colour base = t.scrollTrack;
  if (frame == 2) base = Darker(base, 0.1);
  if (frame == 4) base = Mix(base, 0xFFFFFF, 0.5);
  switch (t.look) {
    case Look::Luna:
    case Look::Flat:
      p.VerticalGradient(0, 0, length, thick, {{0, Darker(base, 0.03)}, {0.5, Lighter(base, 0.4)}, {1, Darker(base, 0.03)}});
      break;
    case Look::Pinstripe:
      p.VerticalGradient(0, 0, length, thick, {{0, Darker(base, 0.12)}, {0.35, base}, {1, Lighter(base, 0.5)}});
      p.HLine(0, length, 0, Darker(base, 0.2));
      break;
    case Look::Glossy:
      p.VerticalGradient(0, 0, length, thick, {{0, Darker(base, 0.15)}, {0.4, base}, {1, Lighter(base, 0.3)}});
      p.HLine(0, length, 0, Darker(base, 0.3));
      break;
  }
  if (!vertical) return img;
  PixelImage turned = Blank(thick, length);
  for (int y = 0; y < thick; ++y)
    for (int x = 0; x < length; ++x) turned.Set(y, x, img.At(x, y));
  return turned;
}

PixelImage PaintThumb(const Theme& t, bool vertical, State state) {
  const int length = 32, thick = 16;
  PixelImage img = Blank(length, thick, t.scrollTrack);
  Painter p(img);
  const double r = t.look == Look::Pinstripe ? 6.5 : t.look == Look::Flat ? 2 : 3;
  const Shape pill = RoundRect(0.5, 1.5, length - 0.5, thick - 1.5, r);
  switch (t.look) {
    case Look::Pinstripe: {
      const Colour a = state == kPressed ? Darker(t.accent, 0.15) : state == kHot ? Lighter(t.accent, 0.1) : t.accent;
      p.FillShapeVertical(pill, 1, thick - 1, {{0, Lighter(a, 0.6)}, {0.45, Lighter(a, 0.25)}, {0.5, a}, {1, Lighter(a, 0.45)}});
      p.StrokeShape(pill, 1, Darker(a, 0.3));
      break;
    }
    default:
      PaintSurface(t, p, 0.5, 1.5, length - 0.5, thick - 1.5, state, r);
      break;
  }
  p.CutOutside(pill, 0, 0, length, thick);
  if (!vertical) return img;
  PixelImage turned = Blank(thick, length);
  for (int y = 0; y < thick; ++y)
    for (int x = 0; x < length; ++x) turned.Set(y, x, img.At(x, y));
  return turned;
}

// 23 frames of 16 x 16: four states of each of the four arrows, then spare frames with the
// thumbs and tracks (the arrow painters use frames 1 to 16).
PixelImage PaintScrollArrows(const Theme& t) {
  const int s = 16;
  std::vector<PixelImage> frames;
  const int directions[4] = {2, 3, 0, 1};
  for (int direction : directions)
    for (State state : {kNormal, kPressed, kHot, kDisabled}) {
      PixelImage img = Blank(s, s, t.scrollTrack);
      Painter p(img);
      PaintSurface(t, p, 0.5, 0.5, s - 0.5, s - 0.5, state, t.look == Look::Flat ? 1 : 2.5);
      DrawDirection(t, p, 8, 8, 3.5, direction, SurfaceGlyph(t, state));
      frames.push_back(img);
    }
  for (int i = 0; i < 7; ++i) {
    PixelImage img = Blank(s, s, t.scrollTrack);
    Painter p(img);
    PaintSurface(t, p, 0.5, 0.5, s - 0.5, s - 0.5, i % 3 == 0 ? kNormal : i % 3 == 1 ? kPressed : kHot, 2.5);
    frames.push_back(img);
  }
  return JoinFrames(frames, false);
}

// A track-bar thumb pointing in direction 0 up, 1 down, 2 left, 3 right; -1 is a plain bar.
PixelImage PaintTrackThumb(const Theme& t, int direction, State state) {
  const bool vertical = direction == 2 || direction == 3;
  const int w = vertical ? 19 : 11, h = vertical ? 11 : 19;
  PixelImage img = Blank(w, h, t.face);
  Painter p(img);
  std::vector<std::pair<double, double>> pts;
  const double W = w - 0.5, H = h - 0.5, o = 0.5;
  switch (direction) {
    case 0: pts = {{o, 5}, {w / 2.0, o}, {W, 5}, {W, H}, {o, H}}; break;
    case 1: pts = {{o, o}, {W, o}, {W, h - 5.0}, {w / 2.0, H}, {o, h - 5.0}}; break;
    case 2: pts = {{5, o}, {W, o}, {W, H}, {5, H}, {o, h / 2.0}}; break;
    default: pts = {{o, o}, {w - 5.0, o}, {W, h / 2.0}, {w - 5.0, H}, {o, H}}; break;
  }
  const Shape shape = Polygon(pts);
  Gradient g = t.look == Look::Glossy ? t.buttonFace : Gradient{{0, 0xFFFFFF}, {1, Mix(t.face, 0xFFFFFF, 0.2)}};
  if (t.look == Look::Pinstripe) g = {{0, Lighter(t.accent, 0.55)}, {0.5, Lighter(t.accent, 0.25)}, {0.55, t.accent}, {1, Lighter(t.accent, 0.4)}};
  if (state == kHot) g = {{0, 0xFFFFFF}, {1, Lighter(t.hot, 0.45)}};
  if (state == kPressed) g = {{0, Lighter(t.hot, 0.3)}, {1, t.hot}};
  if (state == kDisabled) g = {{0, 0xF4F4F4}, {1, 0xE8E8E8}};
  if (vertical) {
    p.FillShape(shape, [&](int x, int) { return Sample(g, static_cast<double>(x) / (w - 1)); });
  } else {
    p.FillShapeVertical(shape, 0, h, g);
  }
  Colour edge = t.look == Look::Luna ? Darker(t.mark, 0.2) : t.look == Look::Glossy ? t.controlEdge : t.controlEdge;
  if (t.look == Look::Pinstripe) edge = Darker(t.accent, 0.3);
  p.StrokeShape(shape, 1, state == kDisabled ? 0xC0C0C0 : edge);
  p.CutOutside(shape, 0, 0, w, h);
  return img;
}

PixelImage TrackThumbStrip(const Theme& t, int direction) {
  return JoinFrames({PaintTrackThumb(t, direction, kNormal), PaintTrackThumb(t, direction, kNormal),
                     PaintTrackThumb(t, direction, kDisabled), PaintTrackThumb(t, direction, kHot),
                     PaintTrackThumb(t, direction, kPressed)},
                    false);
}

// Up-down buttons: eight frames, the four states of the first arrow, then of the second.
PixelImage PaintUpDown(const Theme& t, bool horizontal) {
  const int w = horizontal ? 11 : 16, h = horizontal ? 16 : 11;
  std::vector<PixelImage> frames;
  for (int button = 0; button < 2; ++button)
    for (State state : {kNormal, kPressed, kDisabled, kHot}) {
      PixelImage img = Blank(w, h, t.face);
      Painter p(img);
      PaintSurface(t, p, 0.5, 0.5, w - 0.5, h - 0.5, state, 2);
      p.CutOutside(RoundRect(0.5, 0.5, w - 0.5, h - 0.5, 2), 0, 0, w, h);
      frames.push_back(img);
    }
  return JoinFrames(frames, false);
}

PixelImage PaintUpDownGlyphs(const Theme& t, bool horizontal) {
  const int w = horizontal ? 5 : 9, h = horizontal ? 9 : 5;
  std::vector<PixelImage> frames;
  for (int button = 0; button < 2; ++button)
    for (State state : {kNormal, kPressed, kDisabled, kHot}) {
      const int direction = horizontal ? (button == 0 ? 2 : 3) : (button == 0 ? 0 : 1);
      const Colour matte = t.look == Look::Glossy ? t.accent : t.accentLight;
      PixelImage img = Blank(w, h, matte);
      Painter p(img);
      DrawArrow(p, w / 2.0, h / 2.0, horizontal ? 4 : 4, direction, SurfaceGlyph(t, state));
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
          if (img.At(x, y) == matte) img.Set(x, y, kMagenta);
      frames.push_back(img);
    }
  return JoinFrames(frames, false);
}

}  // namespace

std::map<std::string, PixelImage> PaintSkin(const Theme& t) {
  std::map<std::string, PixelImage> images;
  const FrameSheet active = PaintFrameSheet(t, true);
  const FrameSheet inactive = PaintFrameSheet(t, false);
  const int w = active.width, h = active.height;
  auto columns = [](const FrameSheet& s, int l, int r) { return Crop(s.image, l, 0, r, s.height); };
  images["leftframe.bmp"] = JoinFrames({columns(active, 0, t.left), columns(inactive, 0, t.left)}, false);
  images["rightframe.bmp"] =
      JoinFrames({columns(active, w - t.right, w), columns(inactive, w - t.right, w)}, false);
  images["topframe.bmp"] = JoinFrames({Crop(active.image, t.left, 0, w - t.right, t.title),
                                       Crop(inactive.image, t.left, 0, w - t.right, t.title)},
                                      true);
  images["bottomframe.bmp"] = JoinFrames({Crop(active.image, t.left, h - t.bottom, w - t.right, h),
                                          Crop(inactive.image, t.left, h - t.bottom, w - t.right, h)},
                                         true);
  images["textback.bmp"] = JoinFrames({PaintTextBack(t, true), PaintTextBack(t, false)}, true);
  images["close.bmp"] = TitleButtonStrip(t, Glyph::Close);
  images["max.bmp"] = TitleButtonStrip(t, Glyph::Maximise);
  images["restore.bmp"] = TitleButtonStrip(t, Glyph::Restore);
  images["min.bmp"] = TitleButtonStrip(t, Glyph::Minimise);
  images["mdi.bmp"] = PaintMdiStrip(t);

  images["button.bmp"] = JoinFrames({PaintPushButton(t, kNormal, false), PaintPushButton(t, kPressed, false),
                                     PaintPushButton(t, kDisabled, false), PaintPushButton(t, kHot, false),
                                     PaintPushButton(t, kNormal, true)},
                                    false);
  images["check.bmp"] = JoinFrames({PaintCheck(t, false, false), PaintCheck(t, true, false),
                                    PaintCheck(t, false, true), PaintCheck(t, true, true)},
                                   false);
  images["radio.bmp"] = JoinFrames({PaintRadio(t, false, false), PaintRadio(t, true, false),
                                    PaintRadio(t, false, true), PaintRadio(t, true, true)},
                                   false);

  images["menubar.bmp"] = JoinFrames({PaintMenuBar(t, true), PaintMenuBar(t, false)}, true);
  images["menuitem.bmp"] = JoinFrames({PaintMenuItem(t, 1), PaintMenuItem(t, 2), PaintMenuItem(t, 3),
                                       PaintMenuItem(t, 4), PaintMenuItem(t, 5)},
                                      false);
  images["mnuframe.bmp"] = PaintMenuFrame(t);

  images["tabs.bmp"] = JoinFrames({PaintTab(t, kNormal, false), PaintTab(t, kNormal, true),
                                   PaintTab(t, kDisabled, false), PaintTab(t, kHot, false),
                                   PaintTab(t, kNormal, true)},
                                  false);
  images["tabborder.bmp"] = PaintTabBorder(t);
  images["groupbox.bmp"] = JoinFrames({PaintGroupBox(t, true), PaintGroupBox(t, false)}, false);
  images["toolbar.bmp"] = JoinFrames({PaintToolbar(t, kNormal), PaintToolbar(t, kPressed), PaintToolbar(t, kDisabled),
                                      PaintToolbar(t, kHot), PaintToolbar(t, kNormal)},
                                     false);
  images["statusbar.bmp"] = JoinFrames({PaintStatusEdge(t, 1), PaintStatusEdge(t, 2), PaintStatusEdge(t, 3)}, false);
  images["sunkedge.bmp"] = JoinFrames({PaintSunkEdge(t, kNormal), PaintSunkEdge(t, kPressed),
                                       PaintSunkEdge(t, kDisabled), PaintSunkEdge(t, kHot)},
                                      false);
  images["combobutton.bmp"] = JoinFrames({PaintComboButton(t, kNormal), PaintComboButton(t, kPressed),
                                          PaintComboButton(t, kDisabled), PaintComboButton(t, kHot)},
                                         false);
  images["extra.bmp"] = JoinFrames({PaintExtra(t, 1), PaintExtra(t, 2), PaintExtra(t, 3), PaintExtra(t, 4),
                                    PaintExtra(t, 5)},
                                   false);
  images["header.bmp"] = JoinFrames({PaintHeader(t, kNormal), PaintHeader(t, kPressed), PaintHeader(t, kDisabled),
                                     PaintHeader(t, kHot), PaintHeader(t, kNormal)},
                                    false);
  if (t.chunked) {
    images["progress.bmp"] = PaintProgress(t, false);
    images["chunk.bmp"] = PaintChunk(t);
  } else {
    images["progress.bmp"] = JoinFrames({PaintProgress(t, false), PaintProgress(t, true)}, false);
  }
  images["scrollbar.bmp"] = PaintScrollArrows(t);
  images["hscroll.bmp"] = JoinFrames({PaintTrack(t, false, 1), PaintTrack(t, false, 2), PaintTrack(t, false, 3),
                                      PaintTrack(t, false, 4)},
                                     false);
  images["vscroll.bmp"] = JoinFrames({PaintTrack(t, true, 1), PaintTrack(t, true, 2), PaintTrack(t, true, 3),
                                      PaintTrack(t, true, 4)},
                                     false);
  images["hthumb.bmp"] = JoinFrames({PaintThumb(t, false, kNormal), PaintThumb(t, false, kPressed),
                                     PaintThumb(t, false, kHot)},
                                    false);
  images["vthumb.bmp"] = JoinFrames({PaintThumb(t, true, kNormal), PaintThumb(t, true, kPressed),
                                     PaintThumb(t, true, kHot)},
                                    false);
  images["thumbhorz.bmp"] = TrackThumbStrip(t, 1);
  images["thumbvert.bmp"] = TrackThumbStrip(t, 3);
  images["thumbleft.bmp"] = TrackThumbStrip(t, 2);
  images["thumbright.bmp"] = TrackThumbStrip(t, 3);
  images["thumbup.bmp"] = TrackThumbStrip(t, 0);
  images["thumbdown.bmp"] = TrackThumbStrip(t, 1);
  images["updownh.bmp"] = PaintUpDown(t, true);
  images["updownv.bmp"] = PaintUpDown(t, false);
  images["glyphh.bmp"] = PaintUpDownGlyphs(t, true);
  images["glyphv.bmp"] = PaintUpDownGlyphs(t, false);
  return images;
}

}  // namespace korvale::skinart
