#pragma once

#include <cstddef>  // PixelImage.h uses size_t
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/PixelImage.h"

namespace korvale::skinart {

// Colours are 0xRRGGBB, the layout of PixelImage.
using Colour = std::uint32_t;
inline constexpr Colour kMagenta = 0xFF00FF;

constexpr Colour Rgb(int r, int g, int b) {
  return static_cast<Colour>(((r & 255) << 16) | ((g & 255) << 8) | (b & 255));
}
inline int RedOf(Colour c) { return (c >> 16) & 255; }
inline int GreenOf(Colour c) { return (c >> 8) & 255; }
inline int BlueOf(Colour c) { return c & 255; }

// a + (b - a) * t, per channel, t in 0..1.
Colour Mix(Colour a, Colour b, double t);
Colour Lighter(Colour c, double t);  // towards white
Colour Darker(Colour c, double t);   // towards black

// Colour stops of a gradient: positions 0..1 in ascending order.
struct Stop {
  double at;
  Colour colour;
};
using Gradient = std::vector<Stop>;
Colour Sample(const Gradient& gradient, double t);

// A signed distance from a shape's outline, negative inside; pixel coverage follows from it,
// which keeps every curve smooth without any randomness.
using Shape = std::function<double(double x, double y)>;
Shape RoundRect(double left, double top, double right, double bottom, double radius);
// Only the top corners rounded; the bottom edge runs on past `bottom` (frames, tabs).
Shape TopRoundRect(double left, double top, double right, double bottom, double radius);
Shape Circle(double cx, double cy, double radius);
Shape Segment(double x1, double y1, double x2, double y2, double halfWidth);
Shape Union(Shape a, Shape b);
Shape Difference(Shape a, Shape b);  // a without b
Shape Inset(Shape shape, double by);

class Painter {
 public:
  explicit Painter(PixelImage& image) : image_(image) {}

  void Fill(int left, int top, int right, int bottom, Colour colour);
  void VerticalGradient(int left, int top, int right, int bottom, const Gradient& gradient);
  void HorizontalGradient(int left, int top, int right, int bottom, const Gradient& gradient);
  void Pixel(int x, int y, Colour colour);
  void Blend(int x, int y, Colour colour, double alpha);
  void HLine(int x1, int x2, int y, Colour colour);  // x2 exclusive
  void VLine(int x, int y1, int y2, Colour colour);  // y2 exclusive
  void FrameRect(int left, int top, int right, int bottom, Colour colour);
  // Light top-left, dark bottom-right, one pixel.
  void Bevel(int left, int top, int right, int bottom, Colour light, Colour dark);

  // Fills a shape with anti-aliased edges, colour by pixel.
  void FillShape(const Shape& shape, const std::function<Colour(int x, int y)>& colour);
  void FillShape(const Shape& shape, Colour colour);
  // Fills a shape with a vertical gradient spanning rows top..bottom.
  void FillShapeVertical(const Shape& shape, int top, int bottom, const Gradient& gradient);
  // An outline `width` pixels wide along the inside of the shape.
  void StrokeShape(const Shape& shape, double width, Colour colour);
  // Pixels wholly outside the shape become magenta, so blits leave them out.
  void CutOutside(const Shape& shape, int left, int top, int right, int bottom);

  // A pattern of '#' (colour) and other characters (untouched), one string per row.
  void Pattern(int x, int y, const std::vector<std::string>& rows, Colour colour);

  PixelImage& image() { return image_; }

 private:
  PixelImage& image_;
};

// Copies columns/rows of `src` into a new picture.
PixelImage Crop(const PixelImage& src, int left, int top, int right, int bottom);
// Side by side (or stacked) concatenation of equal-size frames.
PixelImage JoinFrames(const std::vector<PixelImage>& frames, bool stacked);

}  // namespace korvale::skinart
