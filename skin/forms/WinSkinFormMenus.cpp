// The form skinner's side of menu skinning: drop-downs opened from the skinned bar, their
// owner-drawn items, and the form's popup menus drawn from the skin.
#include <windows.h>

#include <algorithm>

#include "skin/data/SkinData.h"
#include "skin/forms/MenuItemPaint.h"
#include "skin/forms/MenuTracking.h"
#include "skin/forms/SkinManager.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinMenu.h"
#include "toolkit/Canvas.h"
#include "toolkit/Form.h"
#include "toolkit/GdiHandles.h"
#include "toolkit/Menus.h"
#include "toolkit/Screen.h"

namespace korvale {

namespace {

// Every item of the drop-down, and of its submenus, drawn by the window that opens it.
void MakeOwnerDrawn(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (!(info.fType & MFT_OWNERDRAW)) {
      info.fMask = MIIM_FTYPE;
      info.fType |= MFT_OWNERDRAW;
      SetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
    }
    if (info.hSubMenu) MakeOwnerDrawn(info.hSubMenu);
  }
}

// A canvas over a DC in the screen menu font, given back as it was.
class MenuDCCanvas {
 public:
  explicit MenuDCCanvas(HDC dc) : saved_(SaveDC(dc)), dc_(dc) {
    canvas_.SetHandle(dc);
    canvas_.Font().Assign(Screen().MenuFont());
  }
  ~MenuDCCanvas() {
    canvas_.SetHandle(nullptr);
    RestoreDC(dc_, saved_);
  }
  MenuDCCanvas(const MenuDCCanvas&) = delete;
  MenuDCCanvas& operator=(const MenuDCCanvas&) = delete;
  TCanvas& Canvas() { return canvas_; }

 private:
  int saved_;
  HDC dc_;
  TCanvas canvas_;
};

template <typename Visit>
void ForEachItem(TMenuItem* item, const Visit& visit) {
  for (int i = 0; i < item->Count(); ++i) {
    visit(item->Items(i));
    ForEachItem(item->Items(i), visit);
  }
}

}  // namespace

void TWinSkinForm::EndMenuTracking() { FMenuTracking = false; }

// A command item runs its command; a drop-down opens at the button and tells the window as
// the native bar would (WM_INITMENUPOPUP runs the items' opening events). An arrow key or
// the pointer on another button closes the drop-down, and the next one opens here, after
// TrackPopupMenu has returned, so drop-downs never nest.
void TWinSkinForm::OpenMenuButton(TMenuBtn* button) {
  TMenuTrackingState& tracking = MenuTracking();
  while (button) {
    PostMessageA(FHandle, WM_COMMAND, button->FCommand, 0);
    if (!button->FSubMenu) return;
    tracking.TrackingIndex = button->FIndex;
    tracking.TrackingForm = this;
    RECT window{};
    GetWindowRect(FHandle, &window);
    MakeOwnerDrawn(button->FSubMenu);
    FMenuTracking = true;
    FOpenMenu = button->FSubMenu;
    InstallMenuFilter();
    if (FHotSpot != button) button->MouseEnter();
    if (button->FEnabled) {
      TrackPopupMenu(button->FSubMenu, TPM_RIGHTBUTTON, window.left + button->FRect.left,
                     window.top + button->FRect.bottom, 0, FHandle, nullptr);
    }
    const int next = tracking.SwitchTo;
    tracking.SwitchTo = -1;
    RemoveMenuFilter();
    FMenuTracking = false;
    FOpenMenu = nullptr;
    tracking.TrackingForm = nullptr;
    if (FHotSpot == button) button->MouseLeave();
    button = FMenuBar && next >= 0 && next < static_cast<int>(FMenuBar->Buttons().size())
                 ? FMenuBar->Buttons()[static_cast<std::size_t>(next)].get()
                 : nullptr;
  }
}

bool TWinSkinForm::OnMenuItemMessage(UINT msg, LPARAM lParam, LRESULT& result) {
  if (!FMenuBar || !FItemPainter) return false;
  TMainMenu* mainMenu = FMenuBar->MainMenu();
  if (msg == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (!measure || measure->CtlType != ODT_MENU) return false;
    const int leftWidth = FItemPainter->SkinLeftWidth();
    TMenuItem* item = mainMenu ? mainMenu->FindItem(measure->itemID, TFindItemKind::fkCommand) : nullptr;
    const WindowDC windowDC(FHandle);
    HDC dc = windowDC.get();
    {
      MenuDCCanvas canvas(dc);
      int width = 0;
      int height = 0;
      if (item) {
        const TMenuMeasureItemEvent own = item->OnMeasureItem;
        item->OnMeasureItem = {};
        item->MeasureItem(canvas.Canvas(), width, height);
        item->OnMeasureItem = own;
        width += leftWidth + 10 + (item->GetImageList() ? 0 : 25);
      } else {
        char text[81] = {};
        GetMenuStringA(FOpenMenu, measure->itemID, text, sizeof text - 1, MF_BYCOMMAND);
        SIZE size{};
        const std::string shown = text[0] ? text : " ";
        GetTextExtentPoint32A(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
        width = size.cx + 26 + leftWidth;
        height = text[0] ? size.cy + 4 : 8;
      }
      measure->itemWidth = static_cast<UINT>(std::max(width, 0));
      measure->itemHeight = static_cast<UINT>(std::max(height, 0));
    }
    result = 1;
    return true;
  }
  auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
  if (!draw || draw->CtlType != ODT_MENU) return false;
  const auto menu = reinterpret_cast<HMENU>(draw->hwndItem);
  if (TSkinManage* manager = SkinManager()) manager->Popups().ClaimPending(menu);
  const bool selected = (draw->itemState & ODS_SELECTED) != 0;
  MenuDCCanvas canvas(draw->hDC);
  if (TMenuItem* item = mainMenu ? mainMenu->FindItem(draw->itemID, TFindItemKind::fkCommand) : nullptr) {
    FItemPainter->DrawSkinnedItem(*item, canvas.Canvas(), selected, draw->rcItem);
  } else {
    std::unique_ptr<TMenuItem> temp = TempMenuItem(menu, draw->itemID);
    FItemPainter->DrawForeignItem(menu, *temp, selected, draw->rcItem, canvas.Canvas());
  }
  result = 1;
  return true;
}

void TWinSkinForm::SkinPopupMenus(bool on) {
  if (!FItemPainter) return;
  FItemPainter->SetSkinData(FSkinData);
  if (!FVclForm) return;
  const TAdvancedMenuDrawItemEvent draw(FItemPainter.get(), &TMenuItemPainter::DrawSkinnedItem);
  const TMenuMeasureItemEvent measure(FItemPainter.get(), &TMenuItemPainter::MeasurePopupItem);
  for (TComponent* component : FVclForm->Components()) {
    auto* popup = dynamic_cast<TPopupMenu*>(component);
    if (!popup || !FSkinData->SkinControls().Contains(xcPopupMenu) ||
        popup->Tag() % 100 == FSkinData->DisableTag())
      continue;
    ForEachItem(popup->Items(), [&](TMenuItem* item) {
      if (on && !item->OnAdvancedDrawItem) {
        item->OnAdvancedDrawItem = draw;
        item->OnMeasureItem = measure;
      } else if (!on && item->OnAdvancedDrawItem == draw) {
        item->OnAdvancedDrawItem = {};
        if (item->OnMeasureItem == measure) item->OnMeasureItem = {};
      }
    });
    popup->SetOwnerDraw(on);
  }
}

}  // namespace korvale
