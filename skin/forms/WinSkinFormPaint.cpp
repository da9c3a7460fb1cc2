// The skinned frame's pictures: borders, title with its text, the menu bar, and the window
// region cut from the borders' magenta pixels.
#include <optional>

#include "skin/data/SkinData.h"
#include "skin/paint/BitmapRegion.h"
#include "skin/paint/FramePaint.h"
#include "skin/paint/TransparentBlit.h"
#include "toolkit/GdiHandles.h"
#include "skin/forms/MenuTracking.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinMenu.h"

namespace korvale {

std::unique_ptr<TBitmap> TWinSkinForm::ComposeBorder(int piece, int width, int height) const {
  const TSkinData& s = *FSkinData;
  const TDataSkinBorder* const pieces[] = {s.BorderLeft.get(), s.BorderRight.get(), s.BorderTop.get(),
                                           s.BorderBottom.get()};
  const TDataSkinBorder& border = *pieces[piece - 1];
  const bool stacked = piece >= 3;
  const int frame = FWindowActive || border.FrameCount == 1 ? 1 : 2;
  return ComposeFrame(width, height, *border.Image, ElementMargins(border),
                      stacked ? StripLayout::Stacked : StripLayout::SideBySide, border.Tile != 1,
                      border.FrameCount, frame);
}

void TWinSkinForm::PaintBorder(int piece, PixelRect rect, HDC dc) {
  if (rect.Width() < 0 || rect.Height() < 0) return;
  auto composed = ComposeBorder(piece, rect.Width(), rect.Height());
  if (!composed) return;
  BitBlt(dc, rect.left, rect.top, rect.Width(), rect.Height(), composed->MemoryDC(), 0, 0, SRCCOPY);
}

void TWinSkinForm::PaintFrame(HDC given) {
  if ((FSkinState != 1 && FSkinState != 3) || FBorderKind == 2 || MdiChildNotNormal()) return;
  if (!FSkinData || FSkinData->SkinEmpty) return;
  std::optional<WindowDC> own;
  if (!given) own.emplace(FHandle);
  HDC const dc = given ? given : own->get();
  if (!dc) return;
  // A failure while painting leaves the frame as painted so far.
  try {
    ReadWindowRect();
    const int w = WindowWidth();
    const int h = WindowHeight();
    PaintBorder(1, {0, 0, FLeft, h}, dc);
    PaintBorder(2, {w - FRight, 0, w, h}, dc);
    PaintBorder(4, {FLeft, h - FBottom, w - FRight, h}, dc);
    PaintTitle(dc);
    if (FMenuBar && FMenuHeight > 0) FMenuBar->PaintBar(dc, {FLeft, FTop, w - FRight, FTop + FMenuHeight});
  } catch (const std::exception&) {
  }
  FHotSpot = nullptr;
  // The bar button whose drop-down is open keeps its highlight: opened from the keyboard,
  // no pointer comes over it to bring the highlight back.
  const TMenuTrackingState& tracking = MenuTracking();
  if (FMenuTracking && FMenuBar && tracking.TrackingForm == this) {
    const auto& buttons = FMenuBar->Buttons();
    if (tracking.TrackingIndex >= 0 && tracking.TrackingIndex < static_cast<int>(buttons.size()))
      buttons[static_cast<std::size_t>(tracking.TrackingIndex)]->MouseEnter();
  }
}

void TWinSkinForm::PaintTitle(HDC dc) {
  const int w = WindowWidth();
  if (w <= 0 || FTop <= 0) return;
  FTitleBitmap->SetPixelFormat(32);
  FTitleBitmap->SetSize(w, FTop);
  HDC title = FTitleBitmap->MemoryDC();
  BitBlt(title, 0, 0, w, FTop, dc, 0, 0, SRCCOPY);
  PaintBorder(3, {FLeft, 0, w - FRight, FTop}, title);
  PaintTitleText(title, {FLeft, 0, w - FRight, FTop});
  LayoutSysButtons();
  PaintSysButtons(title);
  BitBlt(dc, 0, 0, w, FTop, title, 0, 0, SRCCOPY);
  SetBkMode(dc, OPAQUE);
}

void TWinSkinForm::PaintTitleText(HDC dc, PixelRect rect) {
  const TDataSkinTitle& s = *FSkinData->Title;
  SavedDC saved(dc);
  SelectObject(dc, FCaptionFont.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(FWindowActive ? FSkinData->ColorTitleTextActive : FSkinData->ColorTitleTextNoActive));
  const std::string measured = FTitlePrefix + " " + FTitleText;
  RECT size{rect.left, rect.top, rect.left, rect.top};
  DrawTextA(dc, measured.c_str(), -1, &size, DT_CALCRECT | DT_NOCLIP);
  const bool popup = (GetWindowLongA(FHandle, GWL_STYLE) & WS_POPUP) != 0;
  const PixelRect x = TitleTextRect(
      rect, size.right - size.left, size.bottom - size.top,
      {s.TextAlignment, s.LeftWidth, s.TopHeight, s.RightWidth, s.TXTBackleft, s.TXTBackRight},
      FRightToLeft, popup, FMaxButtonLeft);
  FTextRect = {x.left, x.top, x.right, x.bottom};
  if (!s.Image->Empty()) {
    DrawThreeSlice(dc, {x.left, rect.top, x.right, rect.bottom}, *s.Image, StripLayout::Stacked, true, 2,
                   FWindowActive ? 1 : 2, {s.TXTBackleft, 0, s.TXTBackRight, 0});
  }
  RECT text{x.left + s.TXTBackleft, x.top, x.right - s.TXTBackRight, x.bottom};
  const std::string shown = FTitlePrefix + FTitleText;
  DrawTextA(dc, shown.c_str(), -1, &text, DT_SINGLELINE | DT_END_ELLIPSIS | (FRightToLeft ? DT_RIGHT : 0));
}

void TWinSkinForm::UpdateRegion() {
  ReadWindowRect();
  const int w = WindowWidth();
  const int h = WindowHeight();
  if (w * h == 0 || MdiChildNotNormal()) return;
  if (w == FRegionWidth && h == FRegionHeight && !IsMdiChild() && FSkinState != 3) return;
  const TSkinData& s = *FSkinData;
  const bool anyTrans = s.BorderLeft->Trans || s.BorderRight->Trans || s.BorderTop->Trans || s.BorderBottom->Trans;
  UniqueRegion region;
  if (!anyTrans) {
    region.reset(CreateRectRgn(0, 0, w, h));
  } else {
    FRegionWidth = w;
    FRegionHeight = h;
    region.reset(CreateRectRgn(FLeft, FTop, w - FRight, h - FBottom));
    if (FBorderKind != 2) {
      const auto add = [&](UniqueRegion side) { CombineRgn(region.get(), region.get(), side.get(), RGN_OR); };
      const auto plain = [&](PixelRect r) { add(UniqueRegion(CreateRectRgn(r.left, r.top, r.right, r.bottom))); };
      const auto cut = [&](int piece, PixelRect r, bool keyed) {
        if (!keyed) {
          plain(r);
          return;
        }
        // Magenta with a tolerance of one on each channel is left out.
        if (auto composed = ComposeBorder(piece, r.Width(), r.Height()))
          add(RegionFromBitmap(*composed, r.left, r.top, 1, 1, 1, kSkinKeyColour));
      };
      cut(1, {0, 0, FLeft, h}, s.BorderLeft->Trans == 1 && h > 1);
      cut(2, {w - FRight, 0, w, h}, s.BorderRight->Trans == 1 && h > 1);
      // The title piece is composed afresh: the title bitmap's corners are read back from
      // the screen, where a region set earlier has already cut them away.
      cut(3, {FLeft, 0, w - FRight, FTop}, s.BorderTop->Trans == 1 && FTop > 1);
      cut(4, {FLeft, h - FBottom, w - FRight, h}, s.BorderBottom->Trans == 1 && FBottom >= 2);
    }
  }
  // The system owns a region once it is set on the window.
  SetWindowRgn(FHandle, region.release(), !FDeferRedraw);
  FHasRegion = true;
}

void TWinSkinForm::DropRegion() {
  if (!FHasRegion) return;
  FTitleBitmap->Clear();
  SetWindowRgn(FHandle, nullptr, FALSE);
  FHasRegion = false;
  FRegionWidth = FRegionHeight = 0;
}

}  // namespace korvale
