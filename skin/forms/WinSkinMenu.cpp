#include "skin/forms/WinSkinMenu.h"

#include "core/SkinFrameLayout.h"
#include "skin/data/SkinData.h"
#include "skin/forms/SkinManager.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/paint/FramePaint.h"
#include "skin/paint/WorkBitmap.h"
#include "toolkit/Menus.h"
#include "toolkit/Screen.h"

namespace korvale {

namespace {

// The bar's captions in the screen menu font and the skin's bar text colour.
class CaptionStyle {
 public:
  CaptionStyle(HDC dc, const TSkinData& skin)
      : dc_(dc), font_(dc, Screen().MenuFont().Handle()),
        oldColor_(SetTextColor(dc, ColorToRGB(skin.ColorMenuBarText))),
        oldMode_(SetBkMode(dc, TRANSPARENT)) {}
  ~CaptionStyle() {
    SetBkMode(dc_, oldMode_);
    SetTextColor(dc_, oldColor_);
  }
  CaptionStyle(const CaptionStyle&) = delete;
  CaptionStyle& operator=(const CaptionStyle&) = delete;

 private:
  HDC dc_;
  SelectGuard font_;
  COLORREF oldColor_;
  int oldMode_;
};

}  // namespace

void DrawMenuCaption(HDC dc, const RECT& rect, const std::string& text, int alignment, bool enabled) {
  const UINT align = alignment == 0 ? DT_LEFT : alignment == 1 ? DT_RIGHT : DT_CENTER;
  RECT measured = rect;
  DrawTextA(dc, text.c_str(), -1, &measured, DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE | align);
  OffsetRect(&measured, (rect.right - rect.left - (measured.right - measured.left)) / 2 + rect.left - measured.left,
             (rect.bottom - rect.top - (measured.bottom - measured.top)) / 2 + rect.top - measured.top);
  const COLORREF old = enabled ? GetTextColor(dc) : SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  DrawTextA(dc, text.c_str(), -1, &measured, DT_EXPANDTABS | DT_SINGLELINE | align);
  SetTextColor(dc, old);
}

void TMenuBtn::Paint() {
  TWinSkinMenu* bar = FForm->MenuBar();
  if (!bar || bar->Background().Empty()) return;
  const WindowDC window(FForm->Handle());
  HDC const dc = window.get();
  if (!dc) return;
  const RECT& barRect = bar->BarRect();
  const int width = FRect.right - FRect.left;
  const int height = barRect.bottom - barRect.top;
  BitBlt(dc, FRect.left, barRect.top, width, height, bar->Background().MemoryDC(),
         FRect.left - barRect.left, 0, SRCCOPY);
  if (FHotState == 3 || FHotState == 2) {
    UniqueBrush frame(CreateSolidBrush(ColorToRGB(FSkinData->ColorButtonHilight)));
    FrameRect(dc, &FRect, frame.get());
  }
  {
    CaptionStyle style(dc, *FSkinData);
    DrawMenuCaption(dc, FRect, FCaption, 2, FEnabled);
  }
}

TWinSkinMenu::TWinSkinMenu(TWinSkinForm* form, TSkinData* skinData, TMainMenu* mainMenu)
    : FMainMenu(mainMenu), FSkinData(skinData), FForm(form) {}

void TWinSkinMenu::BuildButtons(HMENU menu, EmptyText lookup) {
  FMenuButtons.clear();
  FCount = GetMenuItemCount(menu);
  for (int i = 0; i < FCount; ++i) {
    char text[81] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE;
    info.dwTypeData = text;
    info.cch = sizeof text - 1;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    auto button = std::make_unique<TMenuBtn>(FForm, FSkinData);
    button->FIndex = i;
    button->FSubMenu = info.hSubMenu;
    button->FEnabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
    button->FCommand = info.wID;
    button->FCaption = (info.fType & MFT_STRING) == MFT_STRING ? text : "";
    if (button->FCaption.empty() && FMainMenu) {
      // The toolkit draws owner-drawn items itself: their captions are its own.
      TMenuItem* item = nullptr;
      if (lookup == EmptyText::ByPosition && FMainMenu->Items()->Count() > i) {
        item = FMainMenu->Items()->Items(i);
        button->FCommand = GetMenuItemID(menu, i);
      } else if (lookup == EmptyText::ByCommand) {
        item = FMainMenu->FindItem(info.wID, TFindItemKind::fkCommand);
      }
      if (item) {
        item->InitiateAction();
        button->FCaption = item->Caption();
        button->FEnabled = item->Enabled();
        button->FSubMenu = item->Count() > 0 ? item->Handle() : nullptr;
      }
    }
    FMenuButtons.push_back(std::move(button));
  }
  ::SetMenu(FForm->Handle(), nullptr);
}

void TWinSkinMenu::BuildFromHandle() {
  if (HMENU menu = GetMenu(FForm->Handle())) FMenu = menu;
  if (!FMenu) return;
  BuildButtons(FMenu, EmptyText::ByPosition);
}

void TWinSkinMenu::RebuildFromHandle(HMENU menu) {
  if (menu) FMenu = menu;
  if (!FMenu) return;
  BuildButtons(FMenu, EmptyText::ByCommand);
}

void TWinSkinMenu::BuildFromMenu() {
  if (HMENU menu = GetMenu(FForm->Handle())) FMenu = menu;
  FMenuButtons.clear();
  if (FMainMenu) {
    TMenuItem* root = FMainMenu->Items();
    for (int i = 0; i < root->Count(); ++i) {
      TMenuItem* item = root->Items(i);
      auto button = std::make_unique<TMenuBtn>(FForm, FSkinData);
      button->FIndex = i;
      button->FCaption = item->Caption();
      button->FEnabled = item->Enabled();
      button->FVisible = item->Visible();
      button->FCommand = item->Command();
      button->FSubMenu = item->Count() > 0 ? item->Handle() : nullptr;
      FMenuButtons.push_back(std::move(button));
    }
  }
  FCount = static_cast<int>(FMenuButtons.size());
  ::SetMenu(FForm->Handle(), nullptr);
  FForm->FHotSpot = nullptr;
}

void TWinSkinMenu::PaintBar(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  TBitmap& work = WorkBitmap(width, height);
  HDC workDC = work.MemoryDC();
  const bool rightToLeft = (GetWindowLongA(FForm->Handle(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  const TDataSkinObject* element = FSkinData->MenuBar.get();
  const bool hasElement = element && !element->Image->Empty();
  if (hasElement) {
    const int frame = FForm->WindowActive() ? 1 : 2;
    const RECT all{0, 0, width, height};
    if (element->Tile == 1) {
      DrawSkinFrame(workDC, all, *element->Image, StripLayout::Stacked, false, false, ElementMargins(*element), 2,
                    frame);
    } else {
      DrawThreeSlice(workDC, all, *element->Image, StripLayout::Stacked, false, 2, frame, ElementMargins(*element));
    }
  } else {
    UniqueBrush fill(CreateSolidBrush(ColorToRGB(FSkinData->ColorMenubar)));
    RECT all{0, 0, width, height};
    FillRect(workDC, &all, fill.get());
  }
  const int start = MenuBarStart(hasElement, hasElement ? element->LeftWidth : 0,
                                 hasElement ? element->RightWidth : 0, rightToLeft, width);
  FBarRect = rect;
  FBackground.Assign(work);

  CaptionStyle style(workDC, *FSkinData);
  std::vector<int> textWidths;
  for (const auto& button : FMenuButtons) {
    SIZE size{};
    if (button->FVisible) GetTextExtentPoint32A(workDC, button->FCaption.c_str(),
                                                static_cast<int>(button->FCaption.size()), &size);
    textWidths.push_back(size.cx);
  }
  const std::vector<PixelRect> rects = MenuBarButtons(textWidths, width, height, start, rightToLeft);
  for (std::size_t i = 0; i < FMenuButtons.size(); ++i) {
    TMenuBtn& button = *FMenuButtons[i];
    const RECT local{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
    if (button.FVisible) DrawMenuCaption(workDC, local, button.FCaption, 2, button.FEnabled);
    button.FRect = local;
    OffsetRect(&button.FRect, rect.left, rect.top);
  }
  if (FForm->MdiChildMaximized()) PaintMdiButtons(workDC, rect);
  BitBlt(dc, rect.left, rect.top, width, height, workDC, 0, 0, SRCCOPY);
}

// A maximised MDI child has no caption of its own: its minimise, restore and close buttons
// (the title-bar buttons of Visibility 100) lie at the bar's right end.
void TWinSkinMenu::PaintMdiButtons(HDC workDC, const RECT& bar) {
  for (const auto& button : FForm->SysButtons()) {
    const TDataSkinSysButton& s = *button->FSkin;
    if (!button->FVisible || s.Visibility != 100 || s.Image->Empty()) continue;
    RECT r = button->FRect;
    OffsetRect(&r, -bar.left, -bar.top);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    // The bar under the button, so that a state change repaints it cleanly.
    button->FBackground.SetPixelFormat(32);
    button->FBackground.SetSize(width, height);
    BitBlt(button->FBackground.MemoryDC(), 0, 0, width, height, workDC, r.left, r.top, SRCCOPY);
    StretchFrame(workDC, r, *s.Image, true, s.FrameCount, 1);
  }
  TSkinManage* manager = SkinManager();
  if (manager && !manager->FMdiMaximized) manager->SetMdiMax(true);
}

TMenuBtn* TWinSkinMenu::ButtonAt(POINT point) const {
  for (const auto& button : FMenuButtons) {
    if (!button->FCaption.empty() && PtInRect(&button->FRect, point)) return button.get();
  }
  return nullptr;
}

}  // namespace korvale
