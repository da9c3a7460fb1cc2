#include "skin/controls/SkinStatusBar.h"

#include <commctrl.h>

#include "skin/controls/ButtonFacePaint.h"
#include "skin/data/SkinData.h"
#include "skin/paint/CaptionPaint.h"
#include "skin/paint/FramePaint.h"
#include "skin/paint/WorkBitmap.h"
#include "toolkit/GdiHandles.h"
#include "toolkit/StatusBar.h"

namespace korvale {

namespace {

constexpr int kEdgeFrames = 3;
constexpr int kExtraFrames = 5;
constexpr int kGripFrame = 5;

int BevelFrame(TStatusPanelBevel bevel) {
  switch (bevel) {
    case TStatusPanelBevel::pbRaised: return 2;
    case TStatusPanelBevel::pbNone: return 3;
    case TStatusPanelBevel::pbLowered: break;
  }
  return 1;
}

UINT PanelAlignment(const TStatusPanel& panel) {
  if (!panel.RightToLeft || panel.Alignment == DT_CENTER) return panel.Alignment;
  return panel.Alignment == DT_RIGHT ? DT_LEFT : DT_RIGHT;
}

std::string PartText(HWND bar, int part) {
  const auto length = LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, part, 0));
  std::string text(length + 1u, '\0');
  SendMessageA(bar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  return text;
}

bool HasImage(const TDataSkinObject* element) { return element && element->Image && !element->Image->Empty(); }

}  // namespace

bool TSkinStatusBar::BeforeMessage(TMessage& message) {
  return !PaintWholeControl(message) && TSkinControl::BeforeMessage(message);
}

void TSkinStatusBar::DrawSkin(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  TBitmap& work = WorkBitmap(width, height);
  const RECT bar{0, 0, width, height};
  FillFace(work.MemoryDC(), bar);
  TCanvas& canvas = work.Canvas();
  TakeWindowFont(canvas, FHandle);
  if (FSkinData->StatusBarEdges) canvas.Font().SetColor(FSkinData->StatusBarEdges->NormalColour2);
  const auto* statusBar = dynamic_cast<const TStatusBar*>(FControl);
  const int parts = static_cast<int>(SendMessageA(FHandle, SB_GETPARTS, 0, 0));
  if (SendMessageA(FHandle, SB_ISSIMPLE, 0, 0) || !statusBar || statusBar->Panels().empty()) {
    DrawPanel(canvas, bar, 1, DT_LEFT, statusBar ? statusBar->SimpleText() : PartText(FHandle, SB_SIMPLEID));
  } else {
    const auto& panels = statusBar->Panels();
    for (int i = 0; i < parts && i < static_cast<int>(panels.size()); ++i) {
      RECT part{};
      if (!SendMessageA(FHandle, SB_GETRECT, i, reinterpret_cast<LPARAM>(&part))) continue;
      if (i == static_cast<int>(panels.size()) - 1) part.right = width;
      DrawPanel(canvas, part, BevelFrame(panels[i].Bevel), PanelAlignment(panels[i]), PartText(FHandle, i));
    }
  }
  const TDataSkinObject* extra = FSkinData->ExtraImages.get();
  if ((GetWindowLongA(FHandle, GWL_STYLE) & SBARS_SIZEGRIP) && HasImage(extra)) {
    const int fw = extra->Image->Width() / kExtraFrames, fh = extra->Image->Height();
    DrawFrameTransparent(work.MemoryDC(), RECT{width - 1 - fw, height - 1 - fh, width - 1, height - 1}, kExtraFrames,
                         kGripFrame, *extra->Image);
  }
  BitBlt(dc, rect.left, rect.top, width, height, work.MemoryDC(), 0, 0, SRCCOPY);
}

void TSkinStatusBar::DrawPanel(TCanvas& canvas, RECT rect, int bevel, UINT alignment, const std::string& text) {
  HDC dc = canvas.Handle();
  const TDataSkinObject* edges = FSkinData->StatusBarEdges.get();
  if (HasImage(edges)) {
    DrawSkinFrame(dc, rect, *edges, kEdgeFrames, bevel);
  } else if (bevel != 3) {
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF topLeft = bevel == 1 ? shadow : light, bottomRight = bevel == 1 ? light : shadow;
    const UniqueBrush first(CreateSolidBrush(topLeft)), second(CreateSolidBrush(bottomRight));
    const RECT top{rect.left, rect.top, rect.right, rect.top + 1}, left{rect.left, rect.top, rect.left + 1, rect.bottom};
    const RECT bottom{rect.left, rect.bottom - 1, rect.right, rect.bottom};
    const RECT right{rect.right - 1, rect.top, rect.right, rect.bottom};
    FillRect(dc, &top, first.get());
    FillRect(dc, &left, first.get());
    FillRect(dc, &bottom, second.get());
    FillRect(dc, &right, second.get());
  }
  InflateRect(&rect, -2, 0);
  DrawCaption(canvas, rect, alignment, true, text.empty() ? " " : text);
}

}  // namespace korvale
