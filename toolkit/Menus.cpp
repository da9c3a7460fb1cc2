#include "toolkit/Menus.h"

#include <algorithm>

#include "toolkit/ImageList.h"
#include "toolkit/WinControl.h"

namespace korvale {

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) {
  items_->menu_ = this;
}

TMenu::~TMenu() {
  MarkDestroying();
  delete items_;
}

void TMenu::SetImages(TImageList* images) {
  if (images == images_) return;
  images_ = images;
  if (!HasState(TComponentState::Loading)) Loaded();
}

void TMenu::SetOwnerDraw(bool ownerDraw) {
  if (ownerDraw == ownerDraw_) return;
  ownerDraw_ = ownerDraw;
  if (!HasState(TComponentState::Loading)) Loaded();
}

void TMenu::Loaded() {
  TComponent::Loaded();
  // Owner drawing depends on the whole menu: every drop-down is shown anew.
  struct Walk {
    static void Rebuild(TMenuItem* item) {
      item->RebuildHandle();
      for (TMenuItem* child : item->items_) Rebuild(child);
    }
  };
  Walk::Rebuild(items_);
  MenuChanged(true);
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) SetImages(nullptr);
}

TMenuItem* TMenu::FindItem(UINT_PTR value, TFindItemKind kind) const {
  struct Walk {
    static TMenuItem* Find(TMenuItem* item, UINT_PTR value, TFindItemKind kind) {
      for (TMenuItem* child : item->items_) {
        switch (kind) {
          case TFindItemKind::fkCommand:
            if (child->command_ == value) return child;
            break;
          case TFindItemKind::fkHandle:
            if (child->handle_ && reinterpret_cast<UINT_PTR>(child->handle_) == value) return child;
            break;
          case TFindItemKind::fkShortCut:
            if (child->shortCut_ != scNone && child->shortCut_ == value) return child;
            break;
        }
        if (TMenuItem* found = Find(child, value, kind)) return found;
      }
      return nullptr;
    }
  };
  return Walk::Find(items_, value, kind);
}

bool TMenu::IsShortCut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  const TShortCut shortCut = ShortCutFromMessage(msg);
  if ((shortCut & 0xFF) == 0) return false;
  TMenuItem* item = FindItem(shortCut, TFindItemKind::fkShortCut);
  if (!item) return false;
  for (TMenuItem* p = item; p && p != items_; p = p->Parent()) {
    if (!p->Enabled() || !p->Visible()) return false;
  }
  item->Click();
  return true;
}

bool TMenu::DispatchCommand(WORD command) {
  TMenuItem* item = FindItem(command, TFindItemKind::fkCommand);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::DispatchPopup(HMENU menu) {
  TMenuItem* item = FindItem(reinterpret_cast<UINT_PTR>(menu), TFindItemKind::fkHandle);
  if (!item) return false;
  item->Click();
  return true;
}

void TMenu::MenuChanged(bool) {}

// ---------------------------------------------------------------- TMainMenu, TPopupMenu

TMainMenu::~TMainMenu() {
  // The form may still show the menu: it forgets it before the native menu goes.
  if (window_) window_->Perform(CM_MENUCHANGED, 1, reinterpret_cast<LPARAM>(this));
  window_ = nullptr;
}

void TMainMenu::MenuChanged(bool rebuild) {
  TMenu::MenuChanged(rebuild);
  if (window_ && !HasState(TComponentState::Loading)) window_->Perform(CM_MENUCHANGED, 0, 0);
}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == TOperation::opRemove && component == popupComponent_) popupComponent_ = nullptr;
}

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  TrackPopupMenu(Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, PopupListWindow(), nullptr);
}

}  // namespace korvale
