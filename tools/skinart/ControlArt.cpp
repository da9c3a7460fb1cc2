#include "tools/skinart/ArtParts.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace korvale::skinart::art {

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
    const Colour a = t.accent;
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
// Tabs, boxes, bars

PixelImage PaintTab(const Theme& t, State state, bool selected) {
  const int w = 40, h = 22;
  PixelImage img = Blank(w, h, t.face);
  Painter p(img);
  const double top = selected ? 0.5 : 2.5;
  const double radius = t.look == Look::Pinstripe ? 5 : 3;
  const Shape shape = TopRoundRect(0.5, top, w - 0.5, h, radius);
  const Colour edge = t.look == Look::Luna ? 0x919B9C : t.controlEdge;
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

// A track-bar thumb pointing in direction 0 up, 1 down, 2 left, 3 right.
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
  Colour edge = t.look == Look::Luna ? Darker(t.mark, 0.2) : t.controlEdge;
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
      DrawArrow(p, w / 2.0, h / 2.0, 4, direction, SurfaceGlyph(t, state));
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
          if (img.At(x, y) == matte) img.Set(x, y, kMagenta);
      frames.push_back(img);
    }
  return JoinFrames(frames, false);
}

}  // namespace korvale::skinart::art
