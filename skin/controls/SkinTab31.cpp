#include "skin/controls/SkinTab31.h"

#include "skin/controls/ButtonFacePaint.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/BitmapTransforms.h"
#include "skin/data/SkinData.h"
#include "skin/paint/CaptionPaint.h"
#include "skin/paint/FramePaint.h"
#include "toolkit/TabSet.h"

namespace korvale {

void TSkinTab31::Attach(TSkinnerHost* form, TSkinData* skinData, bool recolor, TCanvas* canvas) {
  FRecolor = recolor;
  FControl = dynamic_cast<TWinControl*>(Owner());
  AttachHandle(FControl->Handle(), skinData, form, canvas);
  LoadImage();
  const auto& owned = FControl->Components();
  if (owned.empty() || owned.front()->ClassName() != "TScroller") return;
  FScroller = dynamic_cast<TWinControl*>(owned.front());
  FUpDown = new TSkinUpDown(Owner());
  FUpDown->FHorizontal = 1;
  FUpDown->AttachHandle(FScroller->Handle(), FSkinData, FForm, FCanvas);
}

void TSkinTab31::SkinChanged() {
  LoadImage();
  TSkinControl::SkinChanged();
}

void TSkinTab31::LoadImage() {
  const TDataSkinBorder* tabs = FSkinData->Tabs.get();
  if (!tabs || !tabs->Image || tabs->Image->Empty()) {
    FTabImage.Clear();
    return;
  }
  FTabImage.Assign(*tabs->Image);
  FlipVertical(FTabImage);
}

bool TSkinTab31::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      // The tab set's own paint follows: it finds nothing left to paint, or, into a given
      // DC, the skin is drawn over it again afterwards.
      PaintHandler(message);
      return true;
    case WM_ERASEBKGND:
      message.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinTab31::DrawSkin(HDC dc, const RECT& rect) {
  auto* tabSet = dynamic_cast<TTabSet*>(FControl);
  const TDataSkinBorder* tabs = FSkinData->Tabs.get();
  if (!tabSet || !tabs || FTabImage.Empty() || rect.right <= rect.left || rect.bottom <= rect.top) return;
  TBitmap buffer;
  buffer.SetSize(rect.right - rect.left, rect.bottom - rect.top);
  FillFace(buffer.MemoryDC(), {0, 0, buffer.Width(), buffer.Height()});
  TCanvas& canvas = buffer.Canvas();
  canvas.Font().Assign(tabSet->Font());
  FEnabled = IsWindowEnabled(FHandle) != FALSE;
  for (const TabSetTab& tab : tabSet->VisibleTabs()) {
    const RECT place{tab.left, 0, tab.right, buffer.Height()};
    const int frame = tab.index == tabSet->TabIndex() ? 2 : 1;
    DrawSkinFrame(buffer.MemoryDC(), place, FTabImage, StripLayout::SideBySide, tabs->Tile != 0, tabs->Trans == 1,
                  ElementMargins(*tabs), tabs->FrameCount, frame);
    canvas.Font().SetColor(frame == 1 ? tabs->NormalColour2 : tabs->MouseOverColour2);
    DrawCaption(canvas, place, DT_CENTER, FEnabled, tabSet->Tabs()[static_cast<size_t>(tab.index)]);
  }
  BitBlt(dc, rect.left, rect.top, buffer.Width(), buffer.Height(), buffer.MemoryDC(), 0, 0, SRCCOPY);
}

}  // namespace korvale
