#include "toolkit/Canvas.h"

#include "toolkit/Bitmap.h"

namespace korvale {

TCanvas::TCanvas() {
  font_.OnChange = TNotifyEvent(this, &TCanvas::ToolChanged);
  brush_.OnChange = TNotifyEvent(this, &TCanvas::ToolChanged);
  pen_.OnChange = TNotifyEvent(this, &TCanvas::ToolChanged);
}

TCanvas::~TCanvas() { SetHandle(nullptr); }

void TCanvas::SetHandle(HDC dc) {
  if (dc == dc_) return;
  RestoreTools();
  dc_ = dc;
}

void TCanvas::RestoreTools() {
  if (!dc_) return;
  if (fontSelected_) SelectObject(dc_, oldFont_);
  if (brushSelected_) SelectObject(dc_, oldBrush_);
  if (penSelected_) SelectObject(dc_, oldPen_);
  fontSelected_ = brushSelected_ = penSelected_ = false;
  oldFont_ = oldBrush_ = oldPen_ = nullptr;
}

// A changed tool makes a new GDI object, so the DC must not keep the freed one selected.
void TCanvas::ToolChanged(TObject* tool) {
  if (!dc_) return;
  if (tool == &font_ && fontSelected_) {
    SelectObject(dc_, oldFont_);
    fontSelected_ = false;
  } else if (tool == &brush_ && brushSelected_) {
    SelectObject(dc_, oldBrush_);
    brushSelected_ = false;
  } else if (tool == &pen_ && penSelected_) {
    SelectObject(dc_, oldPen_);
    penSelected_ = false;
  }
}

void TCanvas::RequireFont() {
  HGDIOBJ old = SelectObject(dc_, font_.Handle());
  if (!fontSelected_) oldFont_ = old;
  fontSelected_ = true;
  SetTextColor(dc_, ColorToRGB(font_.Color()));
}

void TCanvas::RequireBrush() {
  HGDIOBJ old = SelectObject(dc_, brush_.Handle());
  if (!brushSelected_) oldBrush_ = old;
  brushSelected_ = true;
  if (brush_.Style() == TBrushStyle::bsClear) {
    SetBkMode(dc_, TRANSPARENT);
  } else {
    SetBkColor(dc_, ColorToRGB(brush_.Color()));
    SetBkMode(dc_, OPAQUE);
  }
}

void TCanvas::RequirePen() {
  HGDIOBJ old = SelectObject(dc_, pen_.Handle());
  if (!penSelected_) oldPen_ = old;
  penSelected_ = true;
}

void TCanvas::FillRect(const RECT& rect) {
  if (!dc_) return;
  RequireBrush();
  if (brush_.Style() != TBrushStyle::bsClear) ::FillRect(dc_, &rect, brush_.Handle());
}

void TCanvas::FrameRect(const RECT& rect) {
  if (!dc_) return;
  RequireBrush();
  ::FrameRect(dc_, &rect, brush_.Handle());
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  if (!dc_) return;
  RequireBrush();
  RequirePen();
  ::Rectangle(dc_, left, top, right, bottom);
}

void TCanvas::MoveTo(int x, int y) {
  if (dc_) MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  if (!dc_) return;
  RequirePen();
  ::LineTo(dc_, x, y);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  if (!dc_) return;
  RequireFont();
  RequireBrush();
  ::TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
}

void TCanvas::TextRect(const RECT& rect, const std::string& text, UINT format) {
  if (!dc_) return;
  RequireFont();
  RequireBrush();
  RECT r = rect;
  DrawTextA(dc_, text.data(), static_cast<int>(text.size()), &r, format);
}

RECT TCanvas::MeasureText(const RECT& rect, const std::string& text, UINT format) {
  RECT r = rect;
  if (!dc_) return r;
  RequireFont();
  DrawTextA(dc_, text.data(), static_cast<int>(text.size()), &r, format | DT_CALCRECT);
  return r;
}

SIZE TCanvas::TextExtent(const std::string& text) {
  SIZE size{};
  if (!dc_) return size;
  RequireFont();
  GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
  return size;
}

COLORREF TCanvas::Pixel(int x, int y) const { return dc_ ? GetPixel(dc_, x, y) : CLR_INVALID; }

void TCanvas::SetPixel(int x, int y, TColor color) {
  if (dc_) ::SetPixel(dc_, x, y, ColorToRGB(color));
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  StretchDraw(RECT{x, y, x + bitmap.Width(), y + bitmap.Height()}, bitmap);
}

void TCanvas::StretchDraw(const RECT& dest, const TBitmap& bitmap) {
  if (!dc_ || bitmap.Empty()) return;
  const RECT source{0, 0, bitmap.Width(), bitmap.Height()};
  HDC sourceDC = bitmap.MemoryDC();
  if (bitmap.Transparent()) {
    DrawTransparent(dc_, dest, sourceDC, source, ColorToRGB(bitmap.TransparentColor()));
    return;
  }
  const int w = dest.right - dest.left;
  const int h = dest.bottom - dest.top;
  if (w == source.right && h == source.bottom) {
    BitBlt(dc_, dest.left, dest.top, w, h, sourceDC, 0, 0, SRCCOPY);
  } else {
    const int oldMode = SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, dest.left, dest.top, w, h, sourceDC, 0, 0, source.right, source.bottom,
               SRCCOPY);
    SetStretchBltMode(dc_, oldMode);
  }
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) {
  if (!dc_ || !source.dc_) return;
  const int oldMode = SetStretchBltMode(dc_, COLORONCOLOR);
  StretchBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
             source.dc_, sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
             sourceRect.bottom - sourceRect.top, SRCCOPY);
  SetStretchBltMode(dc_, oldMode);
}

void DrawTransparent(HDC dc, const RECT& dest, HDC source, const RECT& sourceRect,
                     COLORREF key) {
  TransparentBlt(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
                 source, sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
                 sourceRect.bottom - sourceRect.top, key);
}

}  // namespace korvale
