// Title-bar buttons: which show and where (the rules of core/SysButtonLayout), their
// pictures in the whole title and in each hot-spot state.
#include <windows.h>

#include "skin/data/SkinData.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinMenu.h"
#include "skin/paint/FramePaint.h"
#include "skin/paint/WorkBitmap.h"
#include "toolkit/GdiHandles.h"

namespace korvale {

namespace {

bool HasImage(const TDataSkinSysButton& skin) { return !skin.Image->Empty(); }

RECT ToRect(const PixelRect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

bool TWinSkinForm::MdiChildMaximized() const {
  if (!IsMdiFrame() || !FMdiClient) return false;
  BOOL maximized = FALSE;
  SendMessageA(FMdiClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
  return maximized != FALSE;
}

SysButtonWindow TWinSkinForm::ButtonWindow() const {
  SysButtonWindow w;
  w.borderKind = FBorderKind;
  w.systemMenu = HasSystemMenu();
  w.maximizeBox = HasMaximizeBox();
  w.minimizeBox = HasMinimizeBox();
  w.maximized = IsMaximized();
  w.active = FWindowActive;
  w.mdiChildMaximized = MdiChildMaximized();
  w.menuHeight = FMenuHeight;
  return w;
}

void TWinSkinForm::LayoutSysButtons() {
  const SysButtonWindow window = ButtonWindow();
  std::vector<SysButtonShape> shapes;
  shapes.reserve(FSysButtons.size());
  for (const auto& button : FSysButtons) {
    const TDataSkinSysButton& s = *button->FSkin;
    const SysButtonRule rule{s.Action, s.Align, s.Xcoord, s.Ycoord, s.Visibility, s.Visibility1};
    button->FVisible = ButtonVisible(rule, window);
    shapes.push_back({rule, button->FVisible, s.Image->Width(), s.Image->Height(), s.FrameCount});
  }
  const TDataSkinObject* bar = FSkinData->MenuBar.get();
  const int barCap = bar && !bar->Image->Empty() ? bar->LeftWidth : 0;
  const SysButtonFrame frame{WindowWidth(), FLeft, FTop, FRight, FMenuHeight,
                             {FTextRect.left, FTextRect.top, FTextRect.right, FTextRect.bottom},
                             barCap, FRightToLeft};
  const SysButtonLayout layout = korvale::LayoutSysButtons(shapes, frame);
  FMaxButtonLeft = layout.maxButtonLeft;
  for (std::size_t i = 0; i < FSysButtons.size(); ++i) {
    if (layout.rects[i]) FSysButtons[i]->FRect = ToRect(*layout.rects[i]);
  }
}

void TWinSkinForm::PaintSysButtons(HDC dc) {
  for (const auto& button : FSysButtons) {
    const TDataSkinSysButton& s = *button->FSkin;
    if (!button->FVisible || !HasImage(s) || s.Visibility == 100) continue;
    const RECT& r = button->FRect;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    button->FBackground.SetPixelFormat(32);
    button->FBackground.SetSize(width, height);
    BitBlt(button->FBackground.MemoryDC(), 0, 0, width, height, dc, r.left, r.top, SRCCOPY);
    if (IsIconAction(s.Action)) StretchFrame(dc, r, *FIcon, true, 1, 1);
    else StretchFrame(dc, r, *s.Image, true, s.FrameCount, TitleButtonFrame(FWindowActive, s.FrameCount));
  }
}

void TWinSysButton::Paint() {
  const TDataSkinSysButton& s = *FSkin;
  if (s.Image->Empty() || FRect.right <= FRect.left || FRect.bottom <= FRect.top) return;
  WindowDC dc(FForm->Handle());
  if (!dc) return;
  const int width = FRect.right - FRect.left;
  const int height = FRect.bottom - FRect.top;
  TBitmap& work = WorkBitmap(width, height);
  const RECT all{0, 0, width, height};
  // A menu-bar button has no title under it; it is drawn over what the bar shows.
  if (!FBackground.Empty()) BitBlt(work.MemoryDC(), 0, 0, width, height, FBackground.MemoryDC(), 0, 0, SRCCOPY);
  else BitBlt(work.MemoryDC(), 0, 0, width, height, dc.get(), FRect.left, FRect.top, SRCCOPY);
  if (IsIconAction(s.Action)) StretchFrame(work.MemoryDC(), all, FForm->Icon(), true, 1, 1);
  else StretchFrame(work.MemoryDC(), all, *s.Image, true, s.FrameCount, HotStateFrame(FHotState, s.Visibility));
  BitBlt(dc.get(), FRect.left, FRect.top, width, height, work.MemoryDC(), 0, 0, SRCCOPY);
}

// The first visible title-bar button with an action under the point, else the menu-bar
// button there.
TNCObject* TWinSkinForm::HotSpotAt(POINT point) const {
  for (const auto& button : FSysButtons) {
    if (button->FVisible && button->FSkin->Action >= 0 && PtInRect(&button->FRect, point)) return button.get();
  }
  return FMenuBar ? FMenuBar->ButtonAt(point) : nullptr;
}

}  // namespace korvale
