#include "skin/forms/MenuItemPaint.h"

#include <algorithm>

#include "core/MenuLayout.h"
#include "skin/data/SkinData.h"
#include "skin/forms/SkinManager.h"
#include "skin/forms/WinSkinPopMenu.h"
#include "skin/paint/FramePaint.h"
#include "skin/paint/PieceBlit.h"
#include "skin/paint/TransparentBlit.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Canvas.h"
#include "toolkit/GdiHandles.h"
#include "toolkit/ImageList.h"
#include "toolkit/Screen.h"
#include "toolkit/ShortCuts.h"

namespace korvale {

namespace {

constexpr int kItemFrames = 5;

// The checked-image box: the button face dotted with the highlight colour.
void FillCheckedBox(HDC dc, const RECT& box) {
  static constexpr WORD kDots[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  UniqueBitmap pattern(CreateBitmap(8, 8, 1, 1, kDots));
  UniqueBrush brush(CreatePatternBrush(pattern.get()));
  const COLORREF oldText = SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
  const COLORREF oldBack = SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  FillRect(dc, &box, brush.get());
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
}

RECT ToRect(const PixelRect& r) { return {r.left, r.top, r.right, r.bottom}; }

HMENU ParentMenu(TMenuItem& item) {
  TMenuItem* parent = item.Parent();
  return parent && parent->HasHandle() ? parent->Handle() : nullptr;
}

TPopupMenuWindows* Popups() {
  TSkinManage* manager = SkinManager();
  return manager ? &manager->Popups() : nullptr;
}

}  // namespace

bool TMenuItemPainter::HasItemElement() const {
  return FSkinData && FSkinData->MenuItem && !FSkinData->MenuItem->Image->Empty();
}

int TMenuItemPainter::SkinLeftWidth() const { return HasItemElement() ? FSkinData->MenuItem->LeftWidth : 0; }

void TMenuItemPainter::DrawSkinnedItem(TObject* sender, TCanvas* canvas, const RECT& rect, TOwnerDrawState state) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (item && canvas) DrawSkinnedItem(*item, *canvas, (state & odSelected) != 0, rect);
}

void TMenuItemPainter::MeasurePopupItem(TObject* sender, TCanvas*, int& width, int&) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  width += SkinLeftWidth() + 12 + (item && item->GetImageList() ? 0 : 23);
}

void TMenuItemPainter::DrawSkinnedItem(TMenuItem& item, TCanvas& canvas, bool selected, const RECT& rect) {
  if (!HasItemElement()) {
    DrawFlatItem(item, canvas, selected, rect);
    return;
  }
  HMENU parent = ParentMenu(item);
  if (TPopupMenuWindows* popups = Popups(); popups && parent) popups->ClaimPending(parent);
  DrawOverBackground(parent, item, selected, rect, canvas, item.IsLine());
}

void TMenuItemPainter::DrawForeignItem(HMENU menu, TMenuItem& item, bool selected, const RECT& rect,
                                       TCanvas& canvas) {
  DrawOverBackground(menu, item, selected, rect, canvas, false);
}

void TMenuItemPainter::DrawOverBackground(HMENU menu, TMenuItem& item, bool selected, const RECT& rect,
                                          TCanvas& canvas, bool separator) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0 || !canvas.Handle()) return;
  TBitmap bitmap;
  bitmap.SetSize(width, height);
  HDC dc = bitmap.MemoryDC();
  const TPopupMenuWindows* popups = Popups();
  if (const TWinSkinPopMenu* popup = popups && menu ? popups->PopupBackground(menu) : nullptr) {
    // Items are drawn in client coordinates; the background covers the whole window, wherever
    // the system puts the client area (some draw a menu's border inside it).
    const POINT offset = popup->ClientOffset();
    BitBlt(dc, 0, 0, width, height, popup->Background().MemoryDC(), rect.left + offset.x, rect.top + offset.y, SRCCOPY);
  } else {
    UniqueBrush fill(CreateSolidBrush(ColorToRGB(FSkinData->ColorMenu)));
    const RECT all{0, 0, width, height};
    FillRect(dc, &all, fill.get());
  }
  const RECT local{0, 0, width, height};
  if (!separator) {
    if (HasItemElement()) DrawSkinFrame(dc, local, *FSkinData->MenuItem, kItemFrames, selected ? 4 : 1);
    bitmap.Canvas().Font().Assign(Screen().MenuFont());
    DrawItemContent(item, bitmap.Canvas(), selected, local);
  }
  BitBlt(canvas.Handle(), rect.left, rect.top, width, height, dc, 0, 0, SRCCOPY);
  if (separator) DrawSeparator(canvas.Handle(), rect);
}

void TMenuItemPainter::DrawFlatItem(TMenuItem& item, TCanvas& canvas, bool selected, const RECT& rect) {
  UniqueBrush fill(CreateSolidBrush(ColorToRGB(selected ? FSkinData->ColorHilight : FSkinData->ColorMenu)));
  FillRect(canvas.Handle(), &rect, fill.get());
  DrawItemContent(item, canvas, selected, rect);
}

void TMenuItemPainter::DrawSeparator(HDC dc, const RECT& rect) {
  if (!HasItemElement()) return;
  const TDataSkinObject& element = *FSkinData->MenuItem;
  const TBitmap& strip = *element.Image;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const PixelRect frame = FrameInStrip(strip.Width(), strip.Height(), kItemFrames, 2, StripLayout::SideBySide);
  const auto pieces = SeparatorPieces(width, height, frame, element.LeftWidth, element.RightWidth);
  if (pieces.empty()) return;
  TBitmap composed;
  composed.SetSize(width, height);
  UniqueBrush key(CreateSolidBrush(kSkinKeyColour));
  const RECT all{0, 0, width, height};
  FillRect(composed.MemoryDC(), &all, key.get());
  BlitPieces(composed.MemoryDC(), 0, 0, strip.MemoryDC(), pieces);
  BlitTransparent(dc, rect, composed);
}

void TMenuItemPainter::DrawItemContent(TMenuItem& item, TCanvas& canvas, bool selected, const RECT& rect) {
  item.InitiateAction();
  HDC dc = canvas.Handle();
  TImageList* images = item.GetImageList();
  int box = images ? images->Width() : 16;
  if (item.Checked()) box = std::max(box, 16);
  const MenuItemLayout layout =
      LayOutMenuItem({rect.left, rect.top, rect.right, rect.bottom}, box, SkinLeftWidth(), item.IsLine(),
                     item.IsRightToLeft());
  const RECT boxRect = ToRect(layout.box);
  const bool hasImage = images && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count();
  if (hasImage) {
    if (item.Checked()) {
      FillCheckedBox(dc, boxRect);
      RECT edge = boxRect;
      DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    }
    images->Draw(canvas, boxRect.left, boxRect.top, item.ImageIndex(), item.Enabled());
  } else if (item.Checked()) {
    DrawCheckMark(dc, boxRect, ColorToRGB(FSkinData->ColorButtonText));
  }
  RECT caption = ToRect(layout.caption);
  RECT measured = caption;
  DrawItemText(dc, item, item.Caption(), measured, DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE, selected,
               true);
  const int shift = (caption.bottom - caption.top - (measured.bottom - measured.top)) / 2;
  caption.top += shift;
  caption.bottom = caption.top + (measured.bottom - measured.top);
  if (item.IsLine()) caption = rect;
  const UINT align = item.IsRightToLeft() ? DT_RIGHT : DT_LEFT;
  DrawItemText(dc, item, item.Caption(), caption, DT_EXPANDTABS | DT_SINGLELINE | align, selected, false);
  if (item.ShortCut() != scNone && !item.IsLine()) {
    RECT keys = ToRect(layout.shortcut);
    DrawItemText(dc, item, ShortCutToText(item.ShortCut()), keys,
                 DT_SINGLELINE | DT_VCENTER | (item.IsRightToLeft() ? DT_LEFT : DT_RIGHT), selected, false);
  }
}

void TMenuItemPainter::DrawItemText(HDC dc, TMenuItem& item, const std::string& text, RECT& rect, UINT format,
                                    bool selected, bool measuring) {
  if (text == "-") {
    if (measuring) return;
    RECT line = rect;
    line.top += 4;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const std::string shown = measuring && (text.empty() || text == "&") ? text + " " : text;
  TColor colour = selected ? FSkinData->ColorHilightText : FSkinData->ColorMenuText;
  if (!item.Enabled()) {
    colour = FSkinData->ColorButtonShadow;
    if (ColorToRGB(colour) == ColorToRGB(FSkinData->ColorMenuText)) colour = clGrayText;
  }
  TFont font;
  font.Assign(Screen().MenuFont());
  font.SetStyle(item.Default() ? fsBold : 0);
  SelectGuard selectFont(dc, font.Handle());
  const COLORREF oldColour = SetTextColor(dc, ColorToRGB(colour));
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, shown.c_str(), static_cast<int>(shown.size()), &rect, format);
  SetBkMode(dc, oldMode);
  SetTextColor(dc, oldColour);
}

std::unique_ptr<TMenuItem> TempMenuItem(HMENU menu, UINT id) {
  auto item = std::make_unique<TMenuItem>(nullptr);
  char text[81] = {};
  GetMenuStringA(menu, id, text, sizeof text - 1, MF_BYCOMMAND);
  item->SetCaption(text[0] ? text : "-");
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE;
  if (GetMenuItemInfoA(menu, id, FALSE, &info)) {
    item->SetEnabled(!(info.fState & (MFS_GRAYED | MFS_DISABLED)));
    item->SetChecked((info.fState & MFS_CHECKED) != 0);
  }
  return item;
}

}  // namespace korvale
