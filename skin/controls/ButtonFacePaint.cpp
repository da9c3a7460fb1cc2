#include "skin/controls/ButtonFacePaint.h"

#include "core/ButtonLayout.h"
#include "core/ButtonStates.h"
#include "skin/data/SkinData.h"
#include "skin/paint/CaptionPaint.h"
#include "toolkit/ButtonGlyph.h"

namespace korvale {

void TakeWindowFont(TCanvas& canvas, HWND window) {
  auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTA logFont{};
  if (GetObjectA(font, sizeof logFont, &logFont)) canvas.Font().AssignLogFont(logFont);
}

TColor ButtonTextColour(const TSkinData& skin, int frame, bool onlyGiven) {
  const TDataSkinButton* buttons = skin.Buttons.get();
  if (!buttons) return skin.ColorButtonText;
  if (frame == kFrameNormal && (!onlyGiven || buttons->HasNormalColour2)) return buttons->NormalColour2;
  if (frame == kFrameHot && (!onlyGiven || buttons->HasMouseOverColour2)) return buttons->MouseOverColour2;
  if (frame == kFramePressed && (!onlyGiven || buttons->HasPressedColour2)) return buttons->PressedColour2;
  return skin.ColorButtonText;
}

void DrawGlyphAndCaption(TCanvas& canvas, int width, int height, const TButtonGlyph& glyph,
                         const std::string& caption, int frame, bool enabled, bool speedButton) {
  const RECT face{0, 0, width, height};
  if (glyph.Glyph.Empty() && speedButton) {
    DrawCaption(canvas, face, DT_CENTER, enabled, caption);
    return;
  }
  SIZE text{0, 0};
  if (!caption.empty()) {
    const RECT measured = canvas.MeasureText(face, caption, DT_CALCRECT | DT_SINGLELINE);
    text = {measured.right - measured.left, measured.bottom - measured.top};
  }
  const GlyphCaptionPlacement place = PlaceGlyphAndCaption(
      {width, height, glyph.GlyphWidth(), glyph.GlyphHeight(), static_cast<int>(text.cx),
       static_cast<int>(text.cy), static_cast<GlyphLayout>(glyph.Layout), glyph.Margin, glyph.Spacing,
       speedButton});
  if (!glyph.Glyph.Empty())
    DrawGlyph(canvas.Handle(), place.glyph.left, place.glyph.top, glyph.NumGlyphs,
              GlyphIndexForFrame(frame, glyph.NumGlyphs), glyph.Glyph);
  if (caption.empty()) return;
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().SetStyle(0);
  if (!enabled) canvas.Font().SetColor(clGrayText);
  UINT align = DT_LEFT;
  if (place.align == CaptionAlign::Right) align = DT_RIGHT;
  if (place.align == CaptionAlign::Centre) align = DT_CENTER;
  const RECT rect{place.caption.left, place.caption.top, place.caption.right, place.caption.bottom};
  canvas.TextRect(rect, caption, align | DT_SINGLELINE);
}

}  // namespace korvale
