#include "tools/skinart/ArtParts.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace korvale::skinart::art {

// ---------------------------------------------------------------------------------------
// Window frame



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

}  // namespace korvale::skinart::art
