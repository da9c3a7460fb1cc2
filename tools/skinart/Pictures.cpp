#include "tools/skinart/Pictures.h"

#include <filesystem>
#include <map>

#include "tools/skinart/ImageFiles.h"
#include "tools/skinart/Paint.h"
#include "tools/skinart/PixelFont.h"

namespace korvale::skinart {

namespace {

constexpr Colour kLampColours[3] = {0xE0302A, 0xF2C230, 0x3CC048};

void DrawLampAt(Painter& p, double cx, double cy, double r, Colour c) {
  const int top = static_cast<int>(cy - r), bottom = static_cast<int>(cy + r + 1);
  p.FillShape(Circle(cx, cy, r + 0.8), Darker(c, 0.55));
  p.FillShapeVertical(Circle(cx, cy, r), top, bottom, {{0, Lighter(c, 0.35)}, {0.6, c}, {1, Darker(c, 0.2)}});
  if (r >= 3) p.FillShape(Circle(cx - r * 0.3, cy - r * 0.35, r * 0.35), Lighter(c, 0.75));
}

// A server tower filling (l, t)-(r, b).
void DrawTower(Painter& p, double l, double t, double r, double b) {
  const double w = r - l, h = b - t;
  const double radius = std::max(1.0, w * 0.12);
  const Shape body = RoundRect(l, t, r, b, radius);
  p.FillShape(Inset(body, -1), 0x0E1A2E);
  p.FillShape(body, [&](int x, int) {
    return Sample({{0, 0x5A6C88}, {0.3, 0x3A4A64}, {1, 0x26324A}}, (x - l) / std::max(w, 1.0));
  });
  p.FillShape(RoundRect(l + 1, t + 1, r - 1, t + std::max(2.0, h * 0.06), radius), 0x7C8EAA);
  // Drive bays.
  const int bays = h >= 40 ? 3 : h >= 20 ? 2 : 1;
  for (int i = 0; i < bays; ++i) {
    const double y = t + h * (0.16 + 0.12 * i);
    p.FillShape(RoundRect(l + w * 0.18, y, r - w * 0.18, y + std::max(1.5, h * 0.06), 0.5), 0x161E2E);
    if (h >= 40) p.FillShape(RoundRect(l + w * 0.2, y + h * 0.035, r - w * 0.2, y + h * 0.05, 0), 0x6A7A94);
  }
  // Three lamps down the front.
  const double lr = std::max(1.2, w * 0.11);
  for (int i = 0; i < 3; ++i)
    DrawLampAt(p, l + w / 2, t + h * (0.55 + 0.14 * i), lr, kLampColours[i]);
}

void CentreText(PixelImage& img, int y, const std::string& text, Colour c, bool bold = false) {
  DrawText(img, (img.width - TextWidth(text, bold)) / 2, y, text, c, bold);
}

// The tower drawn pixel by pixel for 16 x 16, where curves would only blur.
void DrawSmallTower(PixelImage& img) {
  static const char* const rows[16] = {
      "................", "...kkkkkkkkkk...", "...kLLLLLLLLk...", "...klbbbbbbbk...",
      "...kldddddbbk...", "...klbbbbbbbk...", "...kldddddbbk...", "...klbbbbbbbk...",
      "...klbbRRbbbk...", "...klbbrrbbbk...", "...klbbYYbbbk...", "...klbbyybbbk...",
      "...klbbGGbbbk...", "...klbbggbbbk...", "...klbbbbbbbk...", "...kkkkkkkkkk...",
  };
  const std::map<char, Colour> colours = {
      {'k', 0x0E1A2E}, {'L', 0x8A9CB8}, {'l', 0x6A7C98}, {'b', 0x3A4A64}, {'d', 0x141C2C},
      {'R', 0xFF7A70}, {'r', kLampColours[0]}, {'Y', 0xFFE070}, {'y', kLampColours[1]},
      {'G', 0x8AF090}, {'g', kLampColours[2]},
  };
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const auto it = colours.find(rows[y][x]);
      if (it != colours.end()) img.Set(x, y, it->second);
    }
}

}  // namespace

PixelImage PaintProgramIcon(int size) {
  PixelImage img;
  img.Resize(size, size, kMagenta);
  Painter p(img);
  const double s = size;
  if (size <= 16) {
    DrawSmallTower(img);
    return img;
  } else {
    // A blue rounded plate behind the tower at the larger sizes.
    const Shape plate = RoundRect(s * 0.04, s * 0.2, s * 0.96, s * 0.96, s * 0.14);
    p.FillShapeVertical(plate, 0, size, {{0, 0x4C8EE8}, {1, 0x1A4AA0}});
    p.StrokeShape(plate, 1, 0x0C2A66);
    DrawTower(p, s * 0.3, s * 0.04, s * 0.7, s * 0.92);
  }
  // Keep edges crisp for the transparency mask: anything not touched stays magenta, and
  // blended magenta fringes are pulled to the dark outline colour.
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const Colour c = img.At(x, y);
      if (c != kMagenta && RedOf(c) > 200 && BlueOf(c) > 200 && GreenOf(c) < 120) img.Set(x, y, 0x0E1A2E);
      else if (c != kMagenta && RedOf(c) > GreenOf(c) + 60 && BlueOf(c) > GreenOf(c) + 60 && RedOf(c) > 150)
        img.Set(x, y, Mix(c, 0x0E1A2E, 0.5));
    }
  return img;
}

PixelImage PaintLogo() {
  PixelImage img;
  img.Resize(75, 100);
  Painter p(img);
  p.VerticalGradient(0, 0, 75, 100, {{0, 0x2E64C8}, {0.6, 0x153A84}, {1, 0x0A1E4C}});
  p.FillShape(Circle(37.5, 36, 30), [&](int x, int y) { return Mix(img.At(x, y), 0x8CB4F0, 0.18); });
  DrawTower(p, 24, 8, 51, 66);
  CentreText(img, 74, "KORVALE", 0xFFFFFF, true);
  CentreText(img, 86, "Server", 0xC8D8F4);
  p.FrameRect(0, 0, 75, 100, 0x0A1E4C);
  return img;
}

PixelImage PaintAboutPicture() {
  PixelImage img;
  img.Resize(90, 134);
  Painter p(img);
  p.VerticalGradient(0, 0, 90, 134, {{0, 0x3A74D8}, {0.55, 0x153A84}, {1, 0x08183C}});
  p.FillShape(Circle(45, 44, 36), [&](int x, int y) { return Mix(img.At(x, y), 0x8CB4F0, 0.18); });
  DrawTower(p, 28, 10, 62, 82);
  CentreText(img, 92, "KORVALE", 0xFFFFFF, true);
  CentreText(img, 104, "Server", 0xC8D8F4);
  CentreText(img, 115, "Manager", 0xC8D8F4);
  p.FrameRect(0, 0, 90, 134, 0x08183C);
  return img;
}

PixelImage PaintMenuImage(int index) {
  PixelImage img;
  img.Resize(16, 16, kMagenta);
  Painter p(img);
  switch (index) {
    case 0:  // close: a red disc with a white cross
      p.FillShapeVertical(Circle(8, 8, 7), 1, 15, {{0, 0xF07060}, {1, 0xB8241C}});
      p.FillShape(Union(Segment(5, 5, 11, 11, 1.1), Segment(5, 11, 11, 5, 1.1)), 0xFFFFFF);
      break;
    case 1:  // activate: a green disc with a white start triangle
      p.FillShapeVertical(Circle(8, 8, 7), 1, 15, {{0, 0x7ADC70}, {1, 0x23902C}});
      p.FillShape(RoundRect(6, 4.5, 7, 11.5, 0), 0xFFFFFF);
      for (int y = 5; y <= 11; ++y) p.HLine(6, 6 + (y <= 8 ? y - 4 : 12 - y) + 1, y, 0xFFFFFF);
      break;
    case 2:  // servers: the tower
      DrawSmallTower(img);
      break;
    case 3:  // about: a blue disc with an "i"
      p.FillShapeVertical(Circle(8, 8, 7), 1, 15, {{0, 0x70A8F0}, {1, 0x1A4AA0}});
      p.Fill(7, 4, 9, 6, 0xFFFFFF);
      p.Fill(7, 7, 9, 12, 0xFFFFFF);
      break;
    default:  // documentation: a page with lines
      p.Fill(3, 1, 13, 15, 0xFFFFFF);
      p.FrameRect(3, 1, 13, 15, 0x50607C);
      for (int y = 4; y <= 12; y += 2) p.HLine(5, y == 12 ? 9 : 11, y, 0x4C7CC8);
      break;
  }
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const Colour c = img.At(x, y);
      if (c != kMagenta && RedOf(c) > 180 && BlueOf(c) > 180 && GreenOf(c) < 100) img.Set(x, y, kMagenta);
    }
  return img;
}

PixelImage PaintTitleGlyphStrip() {
  PixelImage img;
  img.Resize(64, 16, 0xFFFFFF);
  Painter p(img);
  // restore
  p.FrameRect(5, 3, 13, 10, 0);
  p.HLine(5, 13, 4, 0);
  p.Fill(3, 6, 11, 13, 0xFFFFFF);
  p.FrameRect(3, 6, 11, 13, 0);
  p.HLine(3, 11, 7, 0);
  // maximise
  p.FrameRect(16 + 3, 3, 16 + 13, 13, 0);
  p.HLine(16 + 3, 16 + 13, 4, 0);
  // minimise
  p.Fill(32 + 4, 10, 32 + 10, 12, 0);
  // close
  for (int i = 0; i < 8; ++i) {
    p.Pixel(48 + 4 + i, 4 + i, 0);
    p.Pixel(48 + 5 + i, 4 + i, 0);
    p.Pixel(48 + 11 - i, 4 + i, 0);
    p.Pixel(48 + 12 - i, 4 + i, 0);
  }
  return img;
}

PixelImage PaintLamp(int colour) {
  PixelImage img;
  img.Resize(14, 14, kMagenta);
  Painter p(img);
  DrawLampAt(p, 7, 7, 5.6, kLampColours[colour]);
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 14; ++x) {
      const Colour c = img.At(x, y);
      if (c != kMagenta && RedOf(c) > 150 && BlueOf(c) > 150 && GreenOf(c) < 100)
        img.Set(x, y, Darker(kLampColours[colour], 0.55));
    }
  return img;
}

bool WritePictures(const std::string& folder, std::string& error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::create_directories(folder, ec);
  auto write = [&](const std::string& name, const std::vector<unsigned char>& bytes) {
    if (WriteFile((fs::path(folder) / name).string(), bytes)) return true;
    error = "cannot write " + (fs::path(folder) / name).string();
    return false;
  };
  std::vector<PixelImage> menu;
  for (int i = 0; i < 5; ++i) menu.push_back(PaintMenuImage(i));
  PixelImage strip = JoinFrames(menu, false);
  bool ok = write("korvale.ico", EncodeIco({PaintProgramIcon(16), PaintProgramIcon(32), PaintProgramIcon(48)})) &&
            write("logo.bmp", EncodeBmp24(PaintLogo())) && write("about.bmp", EncodeBmp24(PaintAboutPicture())) &&
            write("menuimages.bmp", EncodeBmp24(strip)) &&
            write("lumetramenu.bmp", EncodeBmp1(PaintTitleGlyphStrip())) &&
            write("red.bmp", EncodeBmp24(PaintLamp(0))) && write("yellow.bmp", EncodeBmp24(PaintLamp(1))) &&
            write("green.bmp", EncodeBmp24(PaintLamp(2))) && write("builtin-red.bmp", EncodeBmp24(PaintLamp(0)));
  for (int i = 0; ok && i < 5; ++i) ok = write("menu" + std::to_string(i) + ".bmp", EncodeBmp24(menu[i]));
  for (int size : {16, 32, 48})
    if (ok) ok = write("icon" + std::to_string(size) + ".bmp", EncodeBmp24(PaintProgramIcon(size)));
  return ok;
}

}  // namespace korvale::skinart
