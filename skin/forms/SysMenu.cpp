// The skinned system menu: a toolkit popup menu with the window commands and the skin's
// menu images, shown from the title or the icon button; the native one where the skin
// leaves the system menu alone.
#include <windows.h>
#include <commctrl.h>

#include "skin/data/SkinData.h"
#include "skin/forms/MenuItemPaint.h"
#include "skin/forms/WinSkinForm.h"
#include "toolkit/ImageList.h"
#include "toolkit/Menus.h"

namespace korvale {

namespace {

// Item tags: the command, and the image index for the first four.
constexpr int kRestoreTag = 0;
constexpr int kMaximizeTag = 1;
constexpr int kMinimizeTag = 2;
constexpr int kCloseTag = 3;
constexpr int kLineTag = 100;

TMenuItem* ItemTagged(const TPopupMenu& menu, int tag) {
  TMenuItem* root = menu.Items();
  for (int i = 0; i < root->Count(); ++i) {
    if (root->Items(i)->Tag() == tag) return root->Items(i);
  }
  return nullptr;
}

}  // namespace

void TWinSkinForm::BuildSysMenu() {
  if (!FSysMenuImages) FSysMenuImages = std::make_unique<TImageList>(nullptr);
  if (FSkinData && FSkinData->MenuImages())
    FSysMenuImages->Adopt(UniqueImageList(ImageList_Duplicate(FSkinData->MenuImages())));
  if (FSysMenu) return;
  FSysMenu = std::make_unique<TPopupMenu>(nullptr);
  FSysMenu->SetTag(kSystemMenuTag);
  FSysMenu->SetOwnerDraw(true);
  FSysMenu->SetImages(FSysMenuImages.get());
  struct Entry {
    const char* caption;
    int tag;
    bool present;
    TShortCut shortCut;
  };
  const Entry entries[] = {
      {" Restore ", kRestoreTag, true, scNone},
      {" Maximize ", kMaximizeTag, HasMaximizeBox(), scNone},
      {" Minimize ", kMinimizeTag, HasMinimizeBox(), scNone},
      {"-", kLineTag, true, scNone},
      {" Close ", kCloseTag, true, ShortCut(VK_F4, ssShift)},
  };
  for (const Entry& e : entries) {
    if (!e.present) continue;
    auto* item = new TMenuItem(FSysMenu.get());
    item->SetCaption(e.caption);
    item->SetTag(e.tag);
    if (e.tag != kLineTag) item->SetImageIndex(e.tag);
    item->SetShortCut(e.shortCut);
    item->OnClick = TNotifyEvent(this, &TWinSkinForm::SysMenuClick);
    item->OnAdvancedDrawItem = TAdvancedMenuDrawItemEvent(FItemPainter.get(), &TMenuItemPainter::DrawSkinnedItem);
    item->OnMeasureItem = TMenuMeasureItemEvent(FItemPainter.get(), &TMenuItemPainter::MeasurePopupItem);
    FSysMenu->Items()->Add(item);
  }
}

void TWinSkinForm::SysMenuClick(TObject* sender) {
  switch (static_cast<TMenuItem*>(sender)->Tag()) {
    case kRestoreTag:
      Restore();
      break;
    case kMaximizeTag:
      ToggleMaximize();
      break;
    case kMinimizeTag:
      ToggleMinimize();
      break;
    case kCloseTag:
      CloseWindow();
      break;
    default:
      break;
  }
}

void TWinSkinForm::ShowSysMenu(int x, int y) {
  if (FSysMenu) {
    const std::pair<int, bool> states[] = {
        {kRestoreTag, FWindowState != 0}, {kMaximizeTag, !IsMaximized()}, {kMinimizeTag, !IsMinimized()}};
    for (const auto& [tag, enabled] : states) {
      if (TMenuItem* item = ItemTagged(*FSysMenu, tag)) item->SetEnabled(enabled);
    }
  }
  const DWORD now = GetTickCount();
  if (now - FLastMenuTick <= FDoubleClickTime) {
    // A second opening as quick as a double click closes the window, as a double click on
    // a native system-menu icon does.
    CloseWindow();
    return;
  }
  FLastMenuTick = now;
  // Nothing of this object is used once the menu returns: a command chosen in it may have
  // closed the window and freed its skinner.
  if (FSysMenu && FSkinData->SkinControls().Contains(xcSystemMenu) && !IsMdiChild()) {
    FSysMenu->Popup(x, y);
  } else {
    TrackPopupMenu(FNativeSysMenu, TPM_RIGHTBUTTON, x, y, 0, FHandle, nullptr);
  }
}

}  // namespace korvale
