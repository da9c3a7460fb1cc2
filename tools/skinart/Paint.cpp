#include "tools/skinart/Paint.h"

#include <algorithm>
#include <cmath>

namespace korvale::skinart {

Colour Mix(Colour a, Colour b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return Rgb(channel(RedOf(a), RedOf(b)), channel(GreenOf(a), GreenOf(b)),
             channel(BlueOf(a), BlueOf(b)));
}

Colour Lighter(Colour c, double t) { return Mix(c, 0xFFFFFF, t); }
Colour Darker(Colour c, double t) { return Mix(c, 0x000000, t); }

Colour Sample(const Gradient& gradient, double t) {
  if (gradient.empty()) return 0;
  if (t <= gradient.front().at) return gradient.front().colour;
  for (size_t i = 1; i < gradient.size(); ++i) {
    if (t <= gradient[i].at) {
      const double span = gradient[i].at - gradient[i - 1].at;
      const double u = span > 0 ? (t - gradient[i - 1].at) / span : 1.0;
      return Mix(gradient[i - 1].colour, gradient[i].colour, u);
    }
  }
  return gradient.back().colour;
}

Shape RoundRect(double left, double top, double right, double bottom, double radius) {
  return [=](double x, double y) {
    const double cx = (left + right) / 2;
    const double cy = (top + bottom) / 2;
    const double hx = (right - left) / 2 - radius;
    const double hy = (bottom - top) / 2 - radius;
    const double dx = std::fabs(x - cx) - hx;
    const double dy = std::fabs(y - cy) - hy;
    const double ox = std::max(dx, 0.0);
    const double oy = std::max(dy, 0.0);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(dx, dy), 0.0) - radius;
  };
}

Shape TopRoundRect(double left, double top, double right, double bottom, double radius) {
  const Shape round = RoundRect(left, top, right, bottom + radius * 2 + 2, radius);
  return [=](double x, double y) { return std::max(round(x, y), y - bottom); };
}

Shape Circle(double cx, double cy, double radius) {
  return [=](double x, double y) { return std::hypot(x - cx, y - cy) - radius; };
}

Shape Segment(double x1, double y1, double x2, double y2, double halfWidth) {
  return [=](double x, double y) {
    const double vx = x2 - x1;
    const double vy = y2 - y1;
    const double len2 = vx * vx + vy * vy;
    double t = len2 > 0 ? ((x - x1) * vx + (y - y1) * vy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (x1 + t * vx), y - (y1 + t * vy)) - halfWidth;
  };
}

Shape Union(Shape a, Shape b) {
  return [=](double x, double y) { return std::min(a(x, y), b(x, y)); };
}

Shape Difference(Shape a, Shape b) {
  return [=](double x, double y) { return std::max(a(x, y), -b(x, y)); };
}

Shape Inset(Shape shape, double by) {
  return [=](double x, double y) { return shape(x, y) + by; };
}

namespace {
// Coverage of the pixel whose centre is (x + 0.5, y + 0.5).
double Coverage(const Shape& shape, int x, int y) {
  return std::clamp(0.5 - shape(x + 0.5, y + 0.5), 0.0, 1.0);
}
}  // namespace

void Painter::Pixel(int x, int y, Colour colour) {
  if (x >= 0 && y >= 0 && x < image_.width && y < image_.height) image_.Set(x, y, colour);
}

void Painter::Blend(int x, int y, Colour colour, double alpha) {
  if (x < 0 || y < 0 || x >= image_.width || y >= image_.height || alpha <= 0) return;
  image_.Set(x, y, alpha >= 1 ? colour : Mix(image_.At(x, y), colour, alpha));
}

void Painter::Fill(int left, int top, int right, int bottom, Colour colour) {
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) Pixel(x, y, colour);
}

void Painter::VerticalGradient(int left, int top, int right, int bottom,
                               const Gradient& gradient) {
  const int h = std::max(bottom - top - 1, 1);
  for (int y = top; y < bottom; ++y) {
    const Colour c = Sample(gradient, static_cast<double>(y - top) / h);
    for (int x = left; x < right; ++x) Pixel(x, y, c);
  }
}

void Painter::HorizontalGradient(int left, int top, int right, int bottom,
                                 const Gradient& gradient) {
  const int w = std::max(right - left - 1, 1);
  for (int x = left; x < right; ++x) {
    const Colour c = Sample(gradient, static_cast<double>(x - left) / w);
    for (int y = top; y < bottom; ++y) Pixel(x, y, c);
  }
}

void Painter::HLine(int x1, int x2, int y, Colour colour) { Fill(x1, y, x2, y + 1, colour); }
void Painter::VLine(int x, int y1, int y2, Colour colour) { Fill(x, y1, x + 1, y2, colour); }

void Painter::FrameRect(int left, int top, int right, int bottom, Colour colour) {
  HLine(left, right, top, colour);
  HLine(left, right, bottom - 1, colour);
  VLine(left, top, bottom, colour);
  VLine(right - 1, top, bottom, colour);
}

void Painter::Bevel(int left, int top, int right, int bottom, Colour light, Colour dark) {
  HLine(left, right - 1, top, light);
  VLine(left, top, bottom - 1, light);
  HLine(left, right, bottom - 1, dark);
  VLine(right - 1, top, bottom, dark);
}

void Painter::FillShape(const Shape& shape, const std::function<Colour(int, int)>& colour) {
  for (int y = 0; y < image_.height; ++y)
    for (int x = 0; x < image_.width; ++x) {
      const double a = Coverage(shape, x, y);
      if (a > 0) Blend(x, y, colour(x, y), a);
    }
}

void Painter::FillShape(const Shape& shape, Colour colour) {
  FillShape(shape, [colour](int, int) { return colour; });
}

void Painter::FillShapeVertical(const Shape& shape, int top, int bottom,
                                const Gradient& gradient) {
  const double h = std::max(bottom - top - 1, 1);
  FillShape(shape, [&](int, int y) { return Sample(gradient, (y - top) / h); });
}

void Painter::StrokeShape(const Shape& shape, double width, Colour colour) {
  const Shape ring = [=](double x, double y) {
    const double d = shape(x, y);
    return std::max(d, -d - width);
  };
  FillShape(ring, colour);
}

void Painter::CutOutside(const Shape& shape, int left, int top, int right, int bottom) {
  for (int y = std::max(top, 0); y < std::min(bottom, image_.height); ++y)
    for (int x = std::max(left, 0); x < std::min(right, image_.width); ++x)
      if (Coverage(shape, x, y) <= 0.02) image_.Set(x, y, kMagenta);
}

void Painter::Pattern(int x, int y, const std::vector<std::string>& rows, Colour colour) {
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c)
      if (rows[r][c] == '#') Pixel(x + static_cast<int>(c), y + static_cast<int>(r), colour);
}

PixelImage Crop(const PixelImage& src, int left, int top, int right, int bottom) {
  PixelImage out;
  out.Resize(right - left, bottom - top);
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) out.Set(x - left, y - top, src.At(x, y));
  return out;
}

PixelImage JoinFrames(const std::vector<PixelImage>& frames, bool stacked) {
  PixelImage out;
  if (frames.empty()) return out;
  const int fw = frames.front().width;
  const int fh = frames.front().height;
  const int n = static_cast<int>(frames.size());
  out.Resize(stacked ? fw : fw * n, stacked ? fh * n : fh, kMagenta);
  for (int i = 0; i < n; ++i)
    for (int y = 0; y < fh; ++y)
      for (int x = 0; x < fw; ++x)
        out.Set(stacked ? x : x + i * fw, stacked ? y + i * fh : y, frames[i].At(x, y));
  return out;
}

}  // namespace korvale::skinart
