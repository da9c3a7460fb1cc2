#include "tools/skinart/Preview.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>

#include "core/AsciiText.h"
#include "core/FrameGeometry.h"
#include "core/SoftBlit.h"
#include "tools/skinart/ImageFiles.h"
#include "tools/skinart/IniText.h"
#include "tools/skinart/Paint.h"
#include "tools/skinart/Pictures.h"
#include "tools/skinart/PixelFont.h"

namespace korvale::skinart {

namespace {

namespace fs = std::filesystem;

struct Element {
  PixelImage image;
  PixelImage image2;
  FrameMargins margins;
  int frames = 1;
  bool trans = false;
  int tile = 0;
  int style = 0;
  Colour normal2 = 0, hot2 = 0, pressed2 = 0;
  bool Present() const { return !image.Empty(); }
};

// The parts of a skin the mock desktop needs, read as the engine reads them.
class Skin {
 public:
  Skin(const fs::path& folder, IniText ini) : folder_(folder), ini_(std::move(ini)) {}

  PixelImage Image(const std::string& value) const {
    if (value.empty()) return {};
    const auto bytes = ReadFile((folder_ / ImageFileName(value)).string());
    if (!bytes) return {};
    auto image = DecodeBmp24(*bytes);
    return image ? *image : PixelImage{};
  }

  Element Get(const std::string& section, int frames, const std::string& imageKey = "Image",
              const std::string& secondKey = "") const {
    Element e;
    e.image = Image(ini_.Get(section, imageKey));
    if (!secondKey.empty()) e.image2 = Image(ini_.Get(section, secondKey));
    e.margins = {ini_.GetInt(section, "LeftWidth", 0), ini_.GetInt(section, "TopHeight", 0),
                 ini_.GetInt(section, "RightWidth", 0), ini_.GetInt(section, "BottomHeight", 0)};
    e.frames = frames;
    e.trans = ini_.GetInt(section, "Trans", 0) == 1;
    e.tile = ini_.GetInt(section, "Tile", 0);
    e.style = ini_.GetInt(section, "Style", 0);
    const Colour text = Col("ButtonText", 0);
    e.normal2 = ini_.GetColour(section, "NormalColour2", text);
    e.hot2 = ini_.GetColour(section, "MouseOverColour2", text);
    e.pressed2 = ini_.GetColour(section, "PressedColour2", text);
    return e;
  }

  Colour Col(const std::string& key, Colour fallback) const {
    return ini_.GetColour("Colours", key, fallback);
  }
  const IniText& ini() const { return ini_; }

 private:
  fs::path folder_;
  IniText ini_;
};

// ---------------------------------------------------------------------------------------
// The painting primitives, executed in software.

void DrawSkinFrame(PixelImage& dst, PixelRect r, const Element& e, int frame,
                   StripLayout layout = StripLayout::SideBySide, bool tile = false) {
  if (!e.Present() || r.Inverted()) return;
  const PixelImage composed =
      ComposeFrame(r.Width(), r.Height(), e.image, e.frames, frame, layout, e.margins, tile);
  if (e.trans)
    BlitTransparent(dst, r.left, r.top, composed);
  else
    CopyImage(dst, r.left, r.top, composed);
}

void StretchFrame(PixelImage& dst, PixelRect r, const PixelImage& strip, int frames, int frame,
                  bool transparent) {
  if (strip.Empty()) return;
  const PixelRect source =
      FrameInStrip(strip.width, strip.height, frames, frame, StripLayout::SideBySide);
  DrawPieces(dst, 0, 0, strip, StretchFramePieces(r, source), transparent);
}

void Caption(PixelImage& dst, PixelRect r, const std::string& text, Colour colour,
             int align = 1, bool bold = false) {
  const int w = TextWidth(text, bold);
  const int x = align == 1 ? r.left + (r.Width() - w) / 2 : align == 2 ? r.right - w : r.left;
  DrawText(dst, x, r.top + (r.Height() - kFontAscent) / 2, text, colour, bold);
}

void FillRect(PixelImage& dst, PixelRect r, Colour c) {
  Painter(dst).Fill(r.left, r.top, r.right, r.bottom, c);
}

constexpr Colour kGreyText = 0x8D8D8D;
constexpr int kMenuHeight = 20;
constexpr int kBar = 16;

// ---------------------------------------------------------------------------------------

class Desktop {
 public:
  Desktop(const Skin& skin, PixelImage& canvas) : skin_(skin), canvas_(canvas) {
    face_ = skin.Col("ButtonFace", 0xECE9D8);
    text_ = skin.Col("WindowText", 0);
    shadow_ = skin.Col("ButtonShadow", 0xACA899);
    light_ = skin.Col("ButtonHilight", 0xFFFFFF);
  }

  struct Window {
    int x, y, w, h;
    bool active;
    bool menu;
    std::string caption;
  };

  // Draws the frame and returns the client rectangle in canvas coordinates.
  PixelRect DrawWindow(const Window& win) {
    const Element left = Border("Left"), right = Border("Right"), top = Border("Top"),
                  bottom = Border("Bottom");
    const int L = left.image.width / std::max(left.frames, 1);
    const int R = right.image.width / std::max(right.frames, 1);
    const int T = top.image.height / std::max(top.frames, 1);
    const int B = bottom.image.height / std::max(bottom.frames, 1);
    const int M = win.menu ? kMenuHeight : 0;
    const int W = win.w, H = win.h;
    PixelImage frame;
    frame.Resize(W, H, kTransparentKey);
    FillRect(frame, {L, T, W - R, H - B}, face_);
    auto border = [&](const Element& e, PixelRect r, StripLayout layout) {
      const int f = (win.active || e.frames == 1) ? 1 : 2;
      if (!e.Present() || r.Inverted()) return;
      CopyImage(frame, r.left, r.top,
                ComposeFrame(r.Width(), r.Height(), e.image, e.frames, f, layout, e.margins, e.tile != 1));
    };
    border(left, {0, 0, L, H}, StripLayout::SideBySide);
    border(right, {W - R, 0, W, H}, StripLayout::SideBySide);
    border(bottom, {L, H - B, W - R, H}, StripLayout::Stacked);
    border(top, {L, 0, W - R, T}, StripLayout::Stacked);
    PixelRect textRect = TitleText(frame, {L, 0, W - R, T}, win);
    SysButtons(frame, W, win, textRect);
    if (M > 0) MenuBar(frame, {L, T, W - R, T + M}, win.active);
    // The region leaves out the magenta of the shaped borders.
    BlitTransparent(canvas_, win.x, win.y, frame);
    return {win.x + L, win.y + T + M, win.x + W - R, win.y + H - B};
  }

  int MenuBarItemLeft(int index) const {
    const Element bar = MenuBarElement();
    int x = bar.Present() ? bar.margins.left + 4 : 6;
    for (int i = 0; i < index; ++i) x += TextWidth(kMenus[i]) + 10;
    return x;
  }

  void DropDown(int x, int y) {
    struct Item {
      std::string text, shortcut;
      int image;
    };
    const std::vector<Item> items = {{"Activate/Deactivate", "Ctrl+Enter", 1},
                                     {"-", "", -1},
                                     {"Close", "", 0}};
    const Element item = skin_.Get("MenuItem", 5);
    const Element back = skin_.Get("MenuBackground", 1);
    const int lw = item.Present() ? item.margins.left : 0;
    int width = 0, height = 0;
    for (const Item& it : items) {
      width = std::max(width, TextWidth(it.text) + (it.shortcut.empty() ? 0 : TextWidth(it.shortcut) + 16) + 16 + 3 + lw + 24);
      height += it.text == "-" ? 8 : 20;
    }
    const int W = width + 6, H = height + 6;
    PixelImage menu;
    menu.Resize(W, H, skin_.Col("Menu", 0xFFFFFF));
    PixelImage background = menu;
    if (back.Present())
      background = ComposeFrame(W, H, back.image, 1, 1, StripLayout::SideBySide, back.margins, back.tile != 0);
    CopyImage(menu, 0, 0, background);
    int top = 3;
    const Colour menuText = skin_.Col("MenuText", 0);
    const Colour selectedText = skin_.Col("HilightText", 0xFFFFFF);
    for (size_t i = 0; i < items.size(); ++i) {
      const Item& it = items[i];
      const int h = it.text == "-" ? 8 : 20;
      const PixelRect r{3, top, W - 3, top + h};
      PixelImage cell = Crop(background, r.left, r.top, r.right, r.bottom);
      if (it.text == "-") {
        if (item.Present()) {
          PixelRect f = FrameInStrip(item.image.width, item.image.height, 5, 2, StripLayout::SideBySide);
          f.top = std::max(0, item.image.height - h);
          DrawPieces(cell, 0, 0, item.image, ThreeSlicePieces(r.Width(), h, f, item.margins.left, item.margins.right), true);
        }
      } else {
        const bool selected = i == 0;
        DrawSkinFrame(cell, {0, 0, r.Width(), h}, item, selected ? 4 : 1, StripLayout::SideBySide, item.tile != 0);
        if (it.image >= 0) BlitTransparent(cell, 1 + lw, 2, PaintMenuImage(it.image));
        const Colour c = selected ? selectedText : menuText;
        Caption(cell, {1 + lw + 16 + 3, 0, r.Width() - 1, h}, it.text, c, 0);
        Caption(cell, {0, 0, r.Width() - 11, h}, it.shortcut, c, 2);
      }
      CopyImage(menu, r.left, r.top, cell);
      top += h;
    }
    CopyImage(canvas_, x, y, menu);
  }

  void PushButton(PixelRect r, int state, const std::string& text) {
    const Element b = skin_.Get("Buttons", 5, "Bitmap");
    FillRect(canvas_, r, face_);
    DrawSkinFrame(canvas_, r, b, state, StripLayout::SideBySide, b.tile != 0);
    Colour c = state == 2 ? b.pressed2 : state == 4 ? b.hot2 : b.normal2;
    if (state == 3) c = kGreyText;
    Caption(canvas_, r, text, c);
  }

  void CheckBox(int x, int y, bool radio, int frame, const std::string& text) {
    const IniText& ini = skin_.ini();
    const PixelImage image = skin_.Image(ini.Get("Buttons", radio ? "RadioButton" : "CheckButton"));
    int frames = ini.GetInt("Buttons", radio ? "RadioButtonFrame" : "CheckButtonFrame", 0);
    if (frames <= 0 && !image.Empty()) frames = std::max(image.width / (image.height < 16 ? 13 : 16), 4);
    if (!image.Empty()) {
      const int fw = image.width / frames;
      const int left = x + (fw <= 14 ? (14 - fw) / 2 : 0);
      const int top = y + (17 - image.height) / 2;
      StretchFrame(canvas_, {left, top, left + fw, top + image.height}, image, frames, frame, true);
    }
    DrawText(canvas_, x + 18, y + 5, text, frame >= 3 ? kGreyText : text_);
  }

  void Combo(PixelRect r, int state, const std::string& text) {
    const Element button = skin_.Get("ComboButton", 4);
    const Element sunk = skin_.Get("SunkEdge", 4);
    const Element extra = skin_.Get("ExtraImages", 5);
    const int b = kBar;
    FillRect(canvas_, r, 0xFFFFFF);
    DrawSkinFrame(canvas_, r, sunk, state);
    FillRect(canvas_, {r.left + 2, r.top + 2, r.right - b - 4, r.bottom - 2}, 0xFFFFFF);
    DrawText(canvas_, r.left + 4, r.top + (r.Height() - kFontAscent) / 2, text, text_);
    StretchFrame(canvas_, {r.right - b - 2, r.top, r.right, r.bottom}, button.image, 4, state, true);
    if (extra.Present()) {
      const int fw = extra.image.width / 5;
      const PixelRect box{r.right - b - 2, r.top, r.right - 2, r.bottom};
      const int gx = box.left + (box.Width() - fw) / 2, gy = box.top + (box.Height() - extra.image.height) / 2;
      StretchFrame(canvas_, {gx, gy, gx + fw, gy + extra.image.height}, extra.image, 5, state, true);
    }
  }

  void EditWithUpDown(PixelRect r, const std::string& text) {
    Painter p(canvas_);
    FillRect(canvas_, r, 0xFFFFFF);
    p.FrameRect(r.left, r.top, r.right, r.bottom, shadow_);
    DrawText(canvas_, r.left + 4, r.top + (r.Height() - kFontAscent) / 2, text, text_);
    const Element ud = skin_.Get("UpDown.Vert", 8, "Image", "GlyphImage");
    if (!ud.Present() || ud.image2.Empty()) return;
    const PixelRect c{r.right - 17, r.top + 1, r.right - 1, r.bottom - 1};
    const int half = c.Height() / 2;
    const int gw = ud.image2.width / 8, gh = ud.image2.height;
    for (int button = 0; button < 2; ++button) {
      const PixelRect h{c.left, c.top + button * half, c.right, button ? c.bottom : c.top + half};
      const int f = 1 + 4 * button + (button == 0 ? 3 : 0);  // the upper button is hot
      StretchFrame(canvas_, h, ud.image, 8, f, true);
      const int gx = h.left + (h.Width() - gw) / 2, gy = h.top + (h.Height() - gh) / 2;
      StretchFrame(canvas_, {gx, gy, gx + gw, gy + gh}, ud.image2, 8, f, true);
    }
  }

  void Tabs(PixelRect r, const std::vector<std::string>& names, int selected) {
    const Element tabs = skin_.Get("Tabs", 5, "Image", "Border");
    FillRect(canvas_, r, face_);
    const int th = 21;
    int x = r.left + 2;
    for (size_t i = 0; i < names.size(); ++i) {
      const int w = TextWidth(names[i]) + 18;
      const bool sel = static_cast<int>(i) == selected;
      const PixelRect item = sel ? PixelRect{x - 2, r.top, x + w + 2, r.top + th + 1}
                                 : PixelRect{x, r.top + 2, x + w, r.top + th};
      DrawSkinFrame(canvas_, item, tabs, sel ? 2 : 1, StripLayout::SideBySide, tabs.tile != 0);
      Caption(canvas_, item, names[i], sel ? tabs.hot2 : tabs.normal2);
      x += w;
    }
    if (!tabs.image2.Empty()) {
      const PixelRect page{r.left, r.top + th, r.right, r.bottom};
      const PixelRect f{0, 0, tabs.image2.width, tabs.image2.height};
      DrawPieces(canvas_, 0, 0, tabs.image2, BorderFramePieces(page, f, {4, 5, 4, 4}));
    }
  }

  void Progress(PixelRect r, int position, int maximum) {
    const Element p = skin_.Get("Progress", 2, "Bitmap", "Chunk");
    if (!p.Present()) return;
    FillRect(canvas_, r, face_);
    if (p.style == 1 && !p.image2.Empty()) {
      Element whole = p;
      whole.frames = 1;
      DrawSkinFrame(canvas_, r, whole, 1, StripLayout::SideBySide, p.tile != 0);
      const int filled = (r.Width() - p.margins.left - p.margins.right) * position / maximum;
      PixelImage strip;
      strip.Resize(filled, p.image2.height, kTransparentKey);
      for (int i = 0; i <= filled / p.image2.width; ++i) CopyImage(strip, i * p.image2.width, 0, p.image2);
      BlitTransparent(canvas_, r.left + p.margins.left, r.top + (r.Height() - strip.height) / 2, strip);
      return;
    }
    DrawSkinFrame(canvas_, r, p, 1);
    DrawSkinFrame(canvas_, {r.left, r.top, r.left + position * r.Width() / maximum, r.bottom}, p, 2);
  }

  void TrackBar(PixelRect r, int position) {
    Painter p(canvas_);
    FillRect(canvas_, r, face_);
    const int cy = r.top + 8;
    p.FrameRect(r.left + 8, cy, r.right - 8, cy + 4, shadow_);
    p.Fill(r.left + 9, cy + 1, r.right - 9, cy + 3, 0xFFFFFF);
    for (int i = 0; i <= 10; ++i) {
      const int tx = r.left + 13 + (r.Width() - 26) * i / 10;
      p.VLine(tx, r.top + 22, r.top + 25, text_);
    }
    const Element thumb = skin_.Get("Trackbar.ThumbHorz", 5);
    const int tx = r.left + 13 + (r.Width() - 26) * position / 10 - 5;
    StretchFrame(canvas_, {tx, r.top + 1, tx + 11, r.top + 20}, thumb.image, 5, 2, true);
  }

  // A scroll bar of the given length, drawn into a 16-pixel-thick bitmap.
  void ScrollBar(int x, int y, int length, bool vertical, int position, int thumb, int pressed) {
    const Element arrows = skin_.Get("Scrollbar", 23);
    if (!arrows.Present()) return;
    const Element track = skin_.Get(vertical ? "VertScroll" : "HorzScroll", 4);
    const int thumbFrames = skin_.ini().GetInt(vertical ? "VertScrollThumb" : "HorzScrollThumb", "FrameCount", 3);
    const Element thumbElement = skin_.Get(vertical ? "VertScrollThumb" : "HorzScrollThumb", thumbFrames);
    PixelImage bar;
    bar.Resize(vertical ? kBar : length, vertical ? length : kBar, skin_.Col("Scrollbar", 0xD4D0C8));
    const int b = kBar;
    auto along = [&](int a0, int a1) {
      return vertical ? PixelRect{0, a0, kBar, a1} : PixelRect{a0, 0, a1, kBar};
    };
    DrawSkinFrame(bar, along(b, length - b), track, 1, StripLayout::SideBySide, track.tile != 0);
    const int first = vertical ? 9 : 1, second = vertical ? 13 : 5;
    StretchFrame(bar, along(0, b), arrows.image, 23, first + (pressed == 1 ? 1 : 0), true);
    StretchFrame(bar, along(length - b, length), arrows.image, 23, second + (pressed == 2 ? 1 : 0), true);
    DrawSkinFrame(bar, along(b + position, b + position + thumb), thumbElement, pressed == 3 ? 2 : 1);
    CopyImage(canvas_, x, y, bar);
  }

  void Header(PixelRect r, const std::vector<std::pair<std::string, int>>& columns) {
    const Element h = skin_.Get("Headerbar", 5);
    int x = r.left;
    for (const auto& [name, width] : columns) {
      DrawSkinFrame(canvas_, {x, r.top, x + width, r.bottom}, h, 1);
      Caption(canvas_, {x + 6, r.top, x + width, r.bottom}, name, text_, 0);
      x += width;
    }
    DrawSkinFrame(canvas_, {x, r.top, r.right, r.bottom}, h, 1);
  }

  void StatusBar(PixelRect r, const std::vector<std::pair<std::string, int>>& panels) {
    const Element edges = skin_.Get("StatusBarEdges", 3);
    const Element extra = skin_.Get("ExtraImages", 5);
    FillRect(canvas_, r, face_);
    int x = r.left;
    for (size_t i = 0; i < panels.size(); ++i) {
      const int right = i + 1 == panels.size() ? r.right : x + panels[i].second;
      const PixelRect panel{x, r.top + 2, right, r.bottom};
      DrawSkinFrame(canvas_, panel, edges, 1);
      Caption(canvas_, {panel.left + 4, panel.top, panel.right - 2, panel.bottom}, panels[i].first, text_, 0);
      x = right + 2;
    }
    if (extra.Present()) {
      const int fw = extra.image.width / 5, fh = extra.image.height;
      StretchFrame(canvas_, {r.right - 1 - fw, r.bottom - 1 - fh, r.right - 1, r.bottom - 1}, extra.image, 5, 5, true);
    }
  }

  void GroupBox(PixelRect r, const std::string& caption) {
    const Element edge = skin_.Get("GroupBoxEdge", 2);
    if (edge.Present()) {
      DrawSkinFrame(canvas_, {r.left, r.top + 4, r.right, r.bottom}, edge, 1);
    } else {
      Painter(canvas_).FrameRect(r.left, r.top + 4, r.right, r.bottom, shadow_);
    }
    const int w = TextWidth(caption);
    FillRect(canvas_, {r.left + 6, r.top, r.left + 12 + w, r.top + 9}, face_);
    DrawText(canvas_, r.left + 9, r.top + 1, caption, skin_.Col("WindowText", 0));
  }

  void ListBox(PixelRect r, const std::vector<std::string>& lines, int firstTop = 4) {
    Painter p(canvas_);
    FillRect(canvas_, r, 0xFFFFFF);
    p.FrameRect(r.left, r.top, r.right, r.bottom, shadow_);
    int y = r.top + firstTop;
    for (const std::string& line : lines) {
      DrawText(canvas_, r.left + 4, y, line, text_);
      y += 13;
      if (y > r.bottom - 12) break;
    }
  }

  void Label(int x, int y, const std::string& text, bool grey = false) {
    DrawText(canvas_, x, y, text, grey ? kGreyText : text_);
  }

  // Every title-bar button in its four frames, and the MDI strip over the menu bar.
  void ButtonSheet(int x, int y) {
    const IniText& ini = skin_.ini();
    DrawText(canvas_, x, y, "Title-bar buttons", 0xFFFFFF, true);
    y += 14;
    for (const std::string& section : ini.Sections()) {
      const std::string name = AsciiLower(section);
      if (name.rfind("button", 0) != 0 || name == "buttons") continue;
      const PixelImage image = skin_.Image(ini.Get(section, "ButtonImage"));
      const int frames = ini.GetInt(section, "frame", 0);
      if (image.Empty() || frames <= 0) continue;
      const int bw = image.width / frames;
      for (int f = 1; f <= frames; ++f)
        StretchFrame(canvas_, {x + (f - 1) * (bw + 4), y, x + (f - 1) * (bw + 4) + bw, y + image.height}, image,
                     frames, f, true);
      y += image.height + 4;
    }
    const PixelImage mdi = skin_.Image(ini.Get("MDICONTROLS", "Image"));
    if (mdi.Empty()) return;
    y += 6;
    DrawText(canvas_, x, y, "MDI controls", 0xFFFFFF, true);
    y += 14;
    const int w = mdi.width / 12;
    for (int button = 0; button < 3; ++button) {
      PixelImage band;
      band.Resize(4 * (w + 4) + 4, mdi.height + 6, skin_.Col("Menubar", face_));
      const Element bar = MenuBarElement();
      if (bar.Present())
        CopyImage(band, 0, 0, ComposeFrame(band.width, band.height, bar.image, 2, 1, StripLayout::Stacked, bar.margins, false));
      for (int f = 0; f < 4; ++f)
        StretchFrame(band, {4 + f * (w + 4), 3, 4 + f * (w + 4) + w, 3 + mdi.height}, mdi, 12, button * 4 + f + 1, true);
      CopyImage(canvas_, x, y, band);
      y += band.height + 2;
    }
  }

  Colour face() const { return face_; }

 private:
  static constexpr const char* kMenus[4] = {"File", "Servers", "Options", "Help"};

  Element Border(const std::string& side) const {
    const IniText& ini = skin_.ini();
    Element e;
    e.image = skin_.Image(ini.Get("Personality", side));
    const int a = ini.GetInt("Personality", side + "TopHeight", 0);
    const int b = ini.GetInt("Personality", side + "BotHeight", 0);
    e.margins = (side == "Left" || side == "Right") ? FrameMargins{0, a, 0, b} : FrameMargins{a, 0, b, 0};
    e.frames = ini.GetInt("Personality", side + "Frame", 1);
    e.tile = ini.GetInt("Personality", side + "Stretch", 1);
    e.trans = ini.GetInt("Personality", side + "Trans", 1) == 1;
    return e;
  }

  Element MenuBarElement() const {
    const IniText& ini = skin_.ini();
    Element e;
    e.image = skin_.Image(ini.Get("Personality", "menuBar"));
    e.tile = ini.GetInt("Personality", "TileMenu", 0);
    e.margins = {ini.GetInt("Personality", "TileLeftMenu", 1), 0, ini.GetInt("Personality", "TileRightMenu", 1), 0};
    e.frames = 2;
    return e;
  }

  PixelRect TitleText(PixelImage& frame, PixelRect rect, const Window& win) {
    const IniText& ini = skin_.ini();
    const PixelImage back = skin_.Image(ini.Get("Personality", "TextBack"));
    const int shift = ini.GetInt("Personality", "TextShift", 0);
    const int shiftVert = ini.GetInt("Personality", "TextShiftVert", 0);
    const int clip = ini.GetInt("Personality", "TextRightClip", 0);
    const int align = ini.GetInt("Personality", "TextAlignment", 0);
    const int capLeft = ini.GetInt("Personality", "TXTBackleft", 0);
    const int capRight = ini.GetInt("Personality", "TXTBackRight", 0);
    const std::string text = "  " + win.caption;
    int width = TextWidth(text, true) + capLeft + capRight;
    int dx = align == 0 ? shift : align == 1 ? (rect.Width() - width) / 2 : align == 2 ? rect.Width() - clip - width : 0;
    PixelRect x{rect.left + dx, rect.top, rect.left + dx + width, rect.bottom};
    x.right = std::min(x.right, rect.right - clip);
    if (!back.Empty()) {
      const PixelRect f = FrameInStrip(back.width, back.height, 2, win.active ? 1 : 2, StripLayout::Stacked);
      PixelImage slice;
      slice.Resize(std::max(x.Width(), 0), rect.Height(), kTransparentKey);
      DrawPieces(slice, 0, 0, back, ThreeSlicePieces(slice.width, slice.height, f, capLeft, capRight));
      BlitTransparent(frame, x.left, rect.top, slice);
    }
    const Colour colour = skin_.Col(win.active ? "TitleTextActive" : "TitleTextNoActive", 0xFFFFFF);
    PixelImage text_layer;
    text_layer.Resize(std::max(x.Width() - capLeft - capRight, 0), rect.Height(), kTransparentKey);
    DrawText(text_layer, 0, (rect.Height() - kFontAscent) / 2 + shiftVert / 2, text, colour, true);
    BlitTransparent(frame, x.left + capLeft, rect.top, text_layer);
    return x;
  }

  void SysButtons(PixelImage& frame, int W, const Window& win, PixelRect textRect) {
    const IniText& ini = skin_.ini();
    for (const std::string& section : ini.Sections()) {
      const std::string upper = AsciiLower(section);
      if (upper.rfind("button", 0) != 0 || upper == "buttons" || upper == "button.radio" ||
          upper == "button.checkbox")
        continue;
      const int action = ini.GetInt(section, "Action", 0);
      const int visibility = ini.GetInt(section, "Visibility", 0);
      // A normal (not maximised) window with every box: restore buttons stay hidden.
      const bool shown = visibility == 0 || visibility == 2 || (visibility == 3 && win.active) ||
                         (visibility == 4 && !win.active) || visibility == 6 || visibility == 8 ||
                         (visibility >= 200 && visibility <= 2000);
      if (!shown) continue;
      PixelImage image = skin_.Image(ini.Get(section, "ButtonImage"));
      int frames = ini.GetInt(section, "frame", 0);
      if (frames == 0) {
        frames = 6;
        if (!image.Empty() && static_cast<double>(image.width) / image.height <= 3.8) frames = 3;
        if (action < 0) frames = 6;
      }
      if (action == 3 || action == 11) {
        image = PaintProgramIcon(16);
        frames = 1;
      }
      if (image.Empty()) continue;
      const int bw = image.width / frames, bh = image.height;
      const int X = ini.GetInt(section, "Xcoord", 0), Y = ini.GetInt(section, "Ycoord", 0);
      const int align = ini.GetInt(section, "Align", 0);
      int left = 0, top = 0;
      switch (align) {
        case 0: left = X; top = Y; break;
        case 1: left = W - X; top = Y; break;
        case 2: case 8: left = textRect.left - bw - X; top = Y; break;
        case 3: case 9: left = X + textRect.right; top = Y; break;
        default: break;
      }
      const int f = (win.active || frames < 4) ? 1 : 4;
      StretchFrame(frame, {left, top, left + bw, top + bh}, image, frames, f, true);
    }
  }

  void MenuBar(PixelImage& frame, PixelRect r, bool active) {
    const Element bar = MenuBarElement();
    const int w = r.Width(), h = r.Height();
    PixelImage band;
    band.Resize(w, h, skin_.Col("Menubar", face_));
    if (bar.Present()) {
      if (bar.tile == 1) {
        CopyImage(band, 0, 0, ComposeFrame(w, h, bar.image, 2, active ? 1 : 2, StripLayout::Stacked, bar.margins, false));
      } else {
        CopyImage(band, 0, 0, ComposeThreeSlice(w, h, bar.image, 2, active ? 1 : 2, StripLayout::Stacked,
                                                bar.margins.left, bar.margins.right));
      }
    }
    const Colour text = skin_.Col("MenuBarText", 0);
    int x = MenuBarItemLeft(0);
    for (int i = 0; i < 4; ++i) {
      const int bw = TextWidth(kMenus[i]) + 10;
      if (i == 0 && active) Painter(band).FrameRect(x, 0, x + bw, h - 1, light_);
      Caption(band, {x, 0, x + bw, h - 1}, kMenus[i], text);
      x += bw;
    }
    CopyImage(frame, r.left, r.top, band);
  }

  const Skin& skin_;
  PixelImage& canvas_;
  Colour face_, text_, shadow_, light_;
};

}  // namespace

bool RenderPreview(const std::string& skinFolder, PixelImage& out, std::string& error) {
  fs::path definition;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(skinFolder, ec))
    if (AsciiLower(entry.path().extension().string()) == ".ini") definition = entry.path();
  if (definition.empty()) {
    error = skinFolder + " holds no skin definition";
    return false;
  }
  const auto text = ReadFile(definition.string());
  if (!text) {
    error = "cannot read " + definition.string();
    return false;
  }
  const Skin skin(skinFolder, IniText(std::string(text->begin(), text->end())));
  out.Resize(760, 520);
  Painter(out).VerticalGradient(0, 0, 760, 520, {{0, 0x6A8CB4}, {1, 0x2C4668}});
  Desktop desk(skin, out);

  const PixelRect back = desk.DrawWindow({16, 14, 340, 170, false, false, "About Brix 2.2 RC2"});
  desk.Label(back.left + 12, back.top + 14, "Program Name: Korvale Server Manager");
  desk.Label(back.left + 12, back.top + 30, "Program Version: 2.1 RC2");
  desk.PushButton({back.left + 12, back.top + 50, back.left + 87, back.top + 75}, 1, "OK");

  const int wx = 170, wy = 64;
  const PixelRect c = desk.DrawWindow({wx, wy, 574, 440, true, true, "Korvale Server Manager v2.0"});
  const int cx = c.left, cy = c.top;
  // Controls, positioned in client coordinates.
  const std::vector<std::pair<int, std::string>> states = {{1, "Normal"}, {2, "Pressed"}, {3, "Disabled"}, {4, "Hot"}};
  for (size_t i = 0; i < states.size(); ++i) {
    const int x = cx + 250 + static_cast<int>(i) * 75;
    desk.PushButton({x, cy + 12, x + 70, cy + 36}, states[i].first, states[i].second);
  }
  desk.Combo({cx + 232, cy + 50, cx + 392, cy + 71}, 1, "Blue");
  desk.EditWithUpDown({cx + 404, cy + 50, cx + 472, cy + 71}, "6900");
  desk.Combo({cx + 480, cy + 50, cx + 548, cy + 71}, 4, "XP");

  desk.Tabs({cx + 232, cy + 84, cx + 548, cy + 204}, {"Login", "Char", "Map"}, 0);
  desk.Label(cx + 246, cy + 118, "Progress:");
  desk.Progress({cx + 306, cy + 114, cx + 530, cy + 130}, 62, 100);
  desk.Label(cx + 246, cy + 150, "Refresh:");
  desk.TrackBar({cx + 300, cy + 142, cx + 536, cy + 170}, 4);
  desk.Label(cx + 246, cy + 182, "Check every 5 seconds");

  const int checksTop = cy + 84;
  desk.CheckBox(cx + 12, checksTop, false, 2, "Login Server");
  desk.CheckBox(cx + 12, checksTop + 18, false, 1, "Char Server");
  desk.CheckBox(cx + 12, checksTop + 36, false, 4, "Map Server");
  desk.CheckBox(cx + 12, checksTop + 54, false, 3, "Logging");
  desk.CheckBox(cx + 122, checksTop, true, 2, "Autorun");
  desk.CheckBox(cx + 122, checksTop + 18, true, 1, "Manual");
  desk.CheckBox(cx + 122, checksTop + 36, true, 4, "Locked");
  desk.CheckBox(cx + 122, checksTop + 54, true, 3, "Off");

  // A list with a header and both scroll bars.
  const PixelRect list{cx + 12, cy + 166, cx + 218, cy + 306};
  desk.ListBox(list, {"Login   127.0.0.1   On", "Char    127.0.0.1   On", "Map     127.0.0.1   Off",
                      "Login   127.0.0.1   On", "Char    127.0.0.1   Off", "Map     127.0.0.1   On",
                      "Login   127.0.0.1   On", "Char    127.0.0.1   On"}, 24);
  desk.Header({list.left + 1, list.top + 1, list.right - 1 - kBar, list.top + 19},
              {{"Server", 60}, {"Address", 76}, {"State", 50}});
  desk.ScrollBar(list.right - 1 - kBar, list.top + 1, list.Height() - 2 - kBar, true, 18, 40, 3);
  desk.ScrollBar(list.left + 1, list.bottom - 1 - kBar, list.Width() - 2 - kBar, false, 30, 60, 2);

  desk.GroupBox({cx + 232, cy + 214, cx + 548, cy + 306}, "Log");
  const PixelRect log{cx + 240, cy + 228, cx + 540, cy + 298};
  desk.ListBox(log, {"[01:12:04] Map Server: Online.", "[01:12:02] Char Server: Online.",
                     "[01:11:58] Login Server: Starting.", "[01:11:57] Supervision on."});
  desk.ScrollBar(log.right - 1 - kBar, log.top + 1, log.Height() - 2, true, 0, 24, 1);

  desk.StatusBar({c.left, c.bottom - 22, c.right, c.bottom}, {{"Active", 120}, {"3 servers", 120}, {"Ready", 0}});

  const int menuX = wx + (c.left - wx) + desk.MenuBarItemLeft(0);
  desk.DropDown(menuX, c.top);

  desk.ButtonSheet(16, 200);

  const std::string name = fs::path(skinFolder).filename().string() + " skin";
  DrawText(out, 760 - TextWidth(name, true) - 10, 520 - 14, name, 0xFFFFFF, true);
  return true;
}

bool WritePreview(const std::string& skinFolder, const std::string& pngPath, std::string& error) {
  PixelImage image;
  if (!RenderPreview(skinFolder, image, error)) return false;
  if (!WriteFile(pngPath, EncodePng(image))) {
    error = "cannot write " + pngPath;
    return false;
  }
  return true;
}

}  // namespace korvale::skinart
