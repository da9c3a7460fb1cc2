#include "skin/controls/SkinScControl.h"

#include "skin/controls/ScrollBarPaint.h"
#include "skin/data/SkinData.h"
#include "toolkit/ScrollBar.h"

namespace korvale {

bool TSkinScControl::Vertical() const {
  const auto* bar = dynamic_cast<const TScrollBar*>(FControl);
  return bar && bar->Kind() == TScrollBarKind::sbVertical;
}

bool TSkinScControl::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCMOUSEMOVE:
      if (message.WParam == HTHSCROLL || message.WParam == HTVSCROLL) return false;
      break;
    case SBM_SETSCROLLINFO:
      CallDefault(message);
      PaintWindow(nullptr);
      return false;
    case CN_HSCROLL:
    case CN_VSCROLL:
      FPressedPart = PressedPartOfScrollCode(LOWORD(message.WParam), Vertical() ? kVertBar : kHorzBar);
      CallDefault(message);
      PaintWindow(nullptr);
      return false;
    default:
      break;
  }
  return TSkinControl::BeforeMessage(message);
}

void TSkinScControl::DrawSkin(HDC dc, const RECT& rect) {
  if (!SkinHasScrollBars(*FSkinData)) return;
  DrawBar(dc, rect, true, Vertical() ? kVertBar : kHorzBar);
}

void TSkinScControl::DrawBar(HDC dc, const RECT& barRect, bool drawThumb, int kind) {
  if (drawThumb) UpdateThumb(barRect, kind);
  DrawScrollBar(dc, barRect, *FSkinData, kind, FPressedPart, GetSystemMetrics(SM_CXHSCROLL),
                drawThumb ? &FMetrics : nullptr);
}

void TSkinScControl::UpdateThumb(const RECT& barRect, int kind) {
  const auto* bar = dynamic_cast<const TScrollBar*>(FControl);
  if (!bar) return;
  const int length = kind == kHorzBar ? barRect.right - barRect.left : barRect.bottom - barRect.top;
  if (const auto thumb = ControlBarThumb(bar->Min(), bar->Max(), bar->PageSize(), bar->Position(), length,
                                         GetSystemMetrics(SM_CXHSCROLL), kMinScrollThumb, GetSystemMetrics(SM_CXHTHUMB)))
    FMetrics = *thumb;
}

}  // namespace korvale
