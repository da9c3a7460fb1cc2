#include "skin/controls/SkinTab.h"

#include <commctrl.h>

#include "core/FieldGeometry.h"
#include "skin/controls/ButtonFacePaint.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/BitmapTransforms.h"
#include "skin/data/SkinData.h"
#include "skin/paint/CaptionPaint.h"
#include "skin/paint/FramePaint.h"
#include "toolkit/GdiHandles.h"

namespace korvale {

namespace {

constexpr FrameMargins kBorderMargins{4, 5, 4, 4};
constexpr int kTabText = 80;

PixelRect ToPixel(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT ToRect(const PixelRect& r) { return {r.left, r.top, r.right, r.bottom}; }

std::uint8_t PositionFromStyle(LONG style) {
  const bool bottom = style & TCS_BOTTOM, vertical = style & TCS_VERTICAL;
  if (bottom && vertical) return 3;
  if (bottom) return 1;
  return vertical ? 2 : 0;
}

void CopyAt24Bits(TBitmap& copy, const TBitmap& source) {
  copy.Assign(source);
  copy.SetPixelFormat(24);
}

}  // namespace

void TSkinTab::Attach(TSkinnerHost* form, TSkinData* skinData, bool recolor, TCanvas* canvas) {
  TSkinControl::Attach(form, skinData, recolor, canvas);
  Prepare();
}

void TSkinTab::AttachHandle(HWND handle, TSkinData* skinData, TSkinnerHost* form, TCanvas* canvas) {
  TSkinControl::AttachHandle(handle, skinData, form, canvas);
  Prepare();
}

void TSkinTab::Prepare() {
  RefreshLook();
  FCaption = WindowText(FHandle);
  LoadImages();
  (void)ScrollButtonsVisible();
}

void TSkinTab::SkinChanged() {
  LoadImages();
  TSkinControl::SkinChanged();
}

void TSkinTab::LoadImages() {
  FTabPosition = PositionFromStyle(GetWindowLongA(FHandle, GWL_STYLE));
  const TDataSkinBorder* tabs = FSkinData->Tabs.get();
  if (!tabs || !tabs->Image || tabs->Image->Empty() || !tabs->Image2 || tabs->Image2->Empty()) {
    FTabImage.Clear();
    FBorderImage.Clear();
    return;
  }
  CopyAt24Bits(FTabImage, *tabs->Image);
  CopyAt24Bits(FBorderImage, *tabs->Image2);
  switch (static_cast<TabSide>(FTabPosition)) {
    case TabSide::Bottom:
      FlipVertical(FTabImage);
      FlipVertical(FBorderImage);
      break;
    case TabSide::Left:
      RotateLeft(FBorderImage);
      break;
    case TabSide::Right:
      RotateRight(FBorderImage);
      break;
    case TabSide::Top:
      break;
  }
}

bool TSkinTab::ScrollButtonsVisible() {
  HWND buttons = FindWindowExA(FHandle, nullptr, UPDOWN_CLASSA, nullptr);
  if (!buttons) return false;
  if (!FUpDown) {
    FUpDown = new TSkinUpDown(Owner());
    FUpDown->AttachHandle(buttons, FSkinData, FForm, FCanvas);
  }
  return (GetWindowLongA(buttons, GWL_STYLE) & WS_VISIBLE) != 0;
}

void TSkinTab::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinBorder* tabs = FSkinData->Tabs.get();
  if (!tabs || !tabs->Image || tabs->Image->Empty() || FTabImage.Empty()) return;
  RECT display = rect;
  SendMessageA(FHandle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  InflateRect(&display, 4, 4);
  switch (static_cast<TabSide>(FTabPosition)) {
    case TabSide::Top: ++display.top; break;
    case TabSide::Bottom: --display.bottom; break;
    case TabSide::Left: ++display.left; break;
    case TabSide::Right: --display.right; break;
  }
  DrawTabs(dc, rect, display);
  if (!FBorderImage.Empty())
    DrawBorderFrame(dc, display, FBorderImage, StripLayout::SideBySide, 1, 1, kBorderMargins);
}

void TSkinTab::DrawTabs(HDC dc, const RECT& rect, const RECT& display) {
  const TDataSkinBorder& tabs = *FSkinData->Tabs;
  const auto side = static_cast<TabSide>(FTabPosition);
  const PixelRect strip = TabStrip(ToPixel(rect), ToPixel(display), side);
  const PixelRect size = TabBufferSize(strip, side);
  if (!size.HasArea()) return;
  FBuffer.SetPixelFormat(24);
  FBuffer.SetSize(size.right, size.bottom);
  HDC buffer = FBuffer.MemoryDC();
  FillFace(buffer, ToRect(size));
  TCanvas& canvas = FBuffer.Canvas();
  TakeWindowFont(canvas, FHandle);
  const int count = static_cast<int>(SendMessageA(FHandle, TCM_GETITEMCOUNT, 0, 0));
  const int focused = static_cast<int>(SendMessageA(FHandle, TCM_GETCURFOCUS, 0, 0));
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(FHandle, TCM_GETIMAGELIST, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[kTabText + 1] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
    item.pszText = text;
    item.cchTextMax = kTabText;
    RECT tab{};
    if (!SendMessageA(FHandle, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item)) ||
        !SendMessageA(FHandle, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tab)))
      continue;
    const RECT place = ToRect(TabInBuffer(ToPixel(tab), strip, side));
    const int frame = i == focused ? 2 : 1;
    DrawSkinFrame(buffer, place, FTabImage, StripLayout::SideBySide, tabs.Tile != 0, tabs.Trans == 1,
                  ElementMargins(tabs), tabs.FrameCount, frame);
    canvas.Font().SetColor(frame == 1 ? tabs.NormalColour2 : tabs.MouseOverColour2);
    DrawIconCaption(canvas, place, 1, text, item.iImage, images, FEnabled);
  }
  if (side == TabSide::Left) RotateLeft(FBuffer);
  if (side == TabSide::Right) RotateRight(FBuffer);
  const SavedDC saved(dc);
  if (ScrollButtonsVisible()) {
    RECT buttons{};
    GetWindowRect(FindWindowExA(FHandle, nullptr, UPDOWN_CLASSA, nullptr), &buttons);
    MapWindowPoints(nullptr, FHandle, reinterpret_cast<POINT*>(&buttons), 2);
    ExcludeClipRect(dc, buttons.left, buttons.top, buttons.right, buttons.bottom);
  }
  BitBlt(dc, strip.left, strip.top, strip.Width(), strip.Height(), FBuffer.MemoryDC(), 0, 0, SRCCOPY);
}

}  // namespace korvale
