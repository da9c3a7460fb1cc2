#include "skin/paint/CaptionPaint.h"

#include "core/FrameGeometry.h"
#include "toolkit/Canvas.h"

namespace korvale {

namespace {

// Transparent background, clear brush, plain style; grey text when disabled.
void PrepareTextCanvas(TCanvas& canvas, bool enabled) {
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().SetStyle(0);
  if (!enabled) canvas.Font().SetColor(clGrayText);
}

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

}  // namespace

void DrawCaption(TCanvas& canvas, const RECT& rect, UINT align, bool enabled,
                 const std::string& text) {
  PrepareTextCanvas(canvas, enabled);
  RECT measured = canvas.MeasureText(rect, text, align | DT_NOCLIP);
  const int dy = (Height(rect) - Height(measured)) / 2 - 1;
  if (align & DT_CENTER) {
    OffsetRect(&measured, (Width(rect) - Width(measured)) / 2, dy);
  } else {
    OffsetRect(&measured, 0, dy);
    measured.left = rect.left;
    measured.right = rect.right;
  }
  canvas.TextRect(measured, text, align);
}

void DrawIconCaption(TCanvas& canvas, const RECT& rect, int alignment, const std::string& text,
                     int imageIndex, HIMAGELIST images, bool enabled) {
  int iconWidth = 0;
  int iconHeight = 0;
  const bool icon = images && imageIndex != -1;
  if (icon) ImageList_GetIconSize(images, &iconWidth, &iconHeight);
  constexpr UINT kFormat = DT_CENTER | DT_SINGLELINE | DT_EXPANDTABS;
  PrepareTextCanvas(canvas, enabled);
  RECT textRect = canvas.MeasureText(rect, text, kFormat | DT_NOCLIP);
  const int textWidth = text.empty() ? 0 : Width(textRect);
  int d = 2;
  if (alignment == 1) d = (Width(rect) - iconWidth - textWidth) / 2;
  if (alignment == 2) d = Width(rect) - iconWidth - textWidth - 2;
  if (icon) {
    ImageList_Draw(images, imageIndex, canvas.Handle(), rect.left + d,
                   rect.top + (Height(rect) - iconHeight) / 2, ILD_TRANSPARENT);
  }
  OffsetRect(&textRect, d + iconWidth + 1, (Height(rect) - Height(textRect)) / 2);
  canvas.TextRect(textRect, text, kFormat);
}

void DrawGlyph(HDC dc, int x, int y, int numGlyphs, int index, const TBitmap& strip) {
  if (strip.Empty()) return;
  const PixelRect glyph = GlyphInStrip(strip.Width(), strip.Height(), numGlyphs, index);
  if (!glyph.HasArea()) return;
  HDC source = strip.MemoryDC();
  const COLORREF key = GetPixel(source, glyph.left, glyph.top);
  DrawTransparent(dc, {x, y, x + glyph.Width(), y + glyph.Height()}, source,
                  {glyph.left, glyph.top, glyph.right, glyph.bottom}, key);
}

}  // namespace korvale
