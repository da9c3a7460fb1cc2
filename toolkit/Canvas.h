#pragma once

// A canvas draws on any DC with its own font, brush and pen. A foreign DC is attached with
// SetHandle and detached with SetHandle(nullptr), which puts the DC's own objects back.
#include <windows.h>

#include <string>

#include "toolkit/Graphics.h"

namespace korvale {

class TBitmap;

class TCanvas : public TObject {
 public:
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  std::string ClassName() const override { return "TCanvas"; }

  HDC Handle() const { return dc_; }
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return dc_ != nullptr; }

  TFont& Font() { return font_; }
  TBrush& Brush() { return brush_; }
  TPen& Pen() { return pen_; }

  void FillRect(const RECT& rect);
  void FrameRect(const RECT& rect);
  void Rectangle(int left, int top, int right, int bottom);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void TextOut(int x, int y, const std::string& text);
  void TextRect(const RECT& rect, const std::string& text, UINT format);
  // The rectangle DrawText with DT_CALCRECT gives for `text` in the canvas's font.
  RECT MeasureText(const RECT& rect, const std::string& text, UINT format);
  SIZE TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }
  COLORREF Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  // Whole-bitmap drawing; a transparent bitmap leaves its key colour out.
  void Draw(int x, int y, const TBitmap& bitmap);
  void StretchDraw(const RECT& dest, const TBitmap& bitmap);
  void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);

 private:
  void RequireFont();
  void RequireBrush();
  void RequirePen();
  void ToolChanged(TObject* tool);
  void RestoreTools();

  HDC dc_ = nullptr;
  TFont font_;
  TBrush brush_;
  TPen pen_;
  HGDIOBJ oldFont_ = nullptr;
  HGDIOBJ oldBrush_ = nullptr;
  HGDIOBJ oldPen_ = nullptr;
  bool fontSelected_ = false;
  bool brushSelected_ = false;
  bool penSelected_ = false;
};

// Draws Source onto DC at the given rectangle, leaving out pixels of the key colour.
void DrawTransparent(HDC dc, const RECT& dest, HDC source, const RECT& sourceRect,
                     COLORREF key);

}  // namespace korvale
