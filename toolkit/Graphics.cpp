#include "toolkit/Graphics.h"

#include <cstring>

namespace korvale {

COLORREF ColorToRGB(TColor color) {
  if (color & clSystemColor) return GetSysColor(color & 0xFF);
  if (color == clNone || color == clDefault) return 0;
  return static_cast<COLORREF>(color) & 0x00FFFFFF;
}

int ScreenPixelsPerInch() {
  static const int ppi = [] {
    ClientDC dc(nullptr);
    return GetDeviceCaps(dc.get(), LOGPIXELSY);
  }();
  return ppi;
}

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}

TFont::TFont() { height_ = -MulDiv(8, ScreenPixelsPerInch(), 72); }

void TFont::SetName(const std::string& name) {
  if (name == name_) return;
  name_ = name;
  handle_.reset();
  Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, ScreenPixelsPerInch()); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72)); }

void TFont::SetHeight(int pixels) {
  if (pixels == height_) return;
  height_ = pixels;
  handle_.reset();
  Changed();
}

void TFont::SetStyle(std::uint8_t style) {
  if (style == style_) return;
  style_ = style;
  handle_.reset();
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::Assign(const TFont& source) {
  if (SameAs(source)) return;
  name_ = source.name_;
  height_ = source.height_;
  style_ = source.style_;
  color_ = source.color_;
  charset_ = source.charset_;
  handle_.reset();
  Changed();
}

void TFont::AssignLogFont(const LOGFONTA& font) {
  name_ = font.lfFaceName;
  height_ = font.lfHeight;
  style_ = static_cast<std::uint8_t>((font.lfWeight >= FW_BOLD ? fsBold : 0) |
                                     (font.lfItalic ? fsItalic : 0) |
                                     (font.lfUnderline ? fsUnderline : 0) |
                                     (font.lfStrikeOut ? fsStrikeOut : 0));
  charset_ = font.lfCharSet;
  handle_.reset();
  Changed();
}

bool TFont::SameAs(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ &&
         color_ == other.color_ && charset_ == other.charset_;
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTA lf{};
    lf.lfHeight = height_;
    lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
    lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = charset_;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    std::strncpy(lf.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
    handle_.reset(CreateFontIndirectA(&lf));
  }
  return handle_.get();
}

void TBrush::SetColor(TColor color) {
  if (color == color_ && style_ == TBrushStyle::bsSolid) return;
  color_ = color;
  if (style_ == TBrushStyle::bsClear) style_ = TBrushStyle::bsSolid;
  handle_.reset();
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == style_) return;
  style_ = style;
  handle_.reset();
  Changed();
}

void TBrush::Assign(const TBrush& source) {
  color_ = source.color_;
  style_ = source.style_;
  handle_.reset();
  Changed();
}

HBRUSH TBrush::Handle() const {
  if (style_ == TBrushStyle::bsClear) return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
  if (!handle_) handle_.reset(CreateSolidBrush(ColorToRGB(color_)));
  return handle_.get();
}

void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  handle_.reset();
  Changed();
}

void TPen::SetWidth(int width) {
  if (width == width_) return;
  width_ = width;
  handle_.reset();
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (style == style_) return;
  style_ = style;
  handle_.reset();
  Changed();
}

void TPen::Assign(const TPen& source) {
  color_ = source.color_;
  width_ = source.width_;
  style_ = source.style_;
  handle_.reset();
  Changed();
}

HPEN TPen::Handle() const {
  if (style_ == TPenStyle::psClear) return static_cast<HPEN>(GetStockObject(NULL_PEN));
  if (!handle_) {
    const int style = style_ == TPenStyle::psDash ? PS_DASH
                      : style_ == TPenStyle::psDot ? PS_DOT
                                                   : PS_SOLID;
    handle_.reset(CreatePen(style, width_, ColorToRGB(color_)));
  }
  return handle_.get();
}

}  // namespace korvale
