#pragma once

// Menus: TMenuItem trees under a TMainMenu (a form's menu bar) or a TPopupMenu (shown with
// TrackPopupMenu). Every item has a command id unique in the process, and an item with
// sub-items owns the native drop-down behind its Handle. A change to an item updates the
// native menu at once; a main menu then sends CM_MENUCHANGED to its form. Commands, the
// opening of drop-downs and owner drawing come back as window messages: the form's for its
// menu bar, a shared utility window's for popup menus.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/Messages.h"
#include "toolkit/ShortCuts.h"

namespace korvale {

class TCanvas;
class TImageList;
class TMenu;
class TWinControl;

using TOwnerDrawState = std::uint16_t;
constexpr TOwnerDrawState odSelected = 1;
constexpr TOwnerDrawState odGrayed = 2;
constexpr TOwnerDrawState odDisabled = 4;
constexpr TOwnerDrawState odChecked = 8;
constexpr TOwnerDrawState odFocused = 16;
constexpr TOwnerDrawState odDefault = 32;
constexpr TOwnerDrawState odNoAccel = 64;

using TMenuMeasureItemEvent = TEvent<TObject*, TCanvas*, int&, int&>;
using TAdvancedMenuDrawItemEvent = TEvent<TObject*, TCanvas*, const RECT&, TOwnerDrawState>;

enum class TFindItemKind { fkCommand, fkHandle, fkShortCut };

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner = nullptr);
  ~TMenuItem() override;
  std::string ClassName() const override { return "TMenuItem"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool IsLine() const { return caption_ == "-"; }
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut shortCut);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  TMenuItem* Parent() const { return parent_; }
  int MenuIndex() const;
  int IndexOf(const TMenuItem* item) const;
  // The item takes the sub-item out of any other parent; it frees its sub-items when it goes.
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  void Delete(int index);
  void Clear();

  TMenu* GetParentMenu() const;
  TImageList* GetImageList() const;
  UINT Command() const { return command_; }
  // The toolkit's menus are laid out left to right.
  bool IsRightToLeft() const { return false; }
  // The native drop-down of an item with sub-items (made on first use); null otherwise.
  HMENU Handle();
  bool HasHandle() const { return handle_ != nullptr; }

  // Runs OnClick: the command of a plain item, the opening event of a drop-down.
  virtual void Click();
  // Items have no separate actions here: the state they show is the item's own.
  void InitiateAction() {}
  // The size an owner-drawn item takes; runs OnMeasureItem with the computed size.
  void MeasureItem(TCanvas& canvas, int& width, int& height);
  // Draws an owner-drawn item: OnAdvancedDrawItem when set, the toolkit's own look otherwise.
  void AdvancedDrawItem(TCanvas& canvas, const RECT& rect, TOwnerDrawState state, bool topLevel);
  void DefaultDrawItem(TCanvas& canvas, const RECT& rect, TOwnerDrawState state, bool topLevel);

  void Loaded() override;

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

 private:
  friend class TMenu;

  bool IsOwnerDrawn() const;
  void Changed(bool rebuild);
  void RebuildHandle();
  void UpdateNativeItem(TMenuItem* child);
  void FillItemInfo(MENUITEMINFOA& info, std::string& text);
  int NativePosition(const TMenuItem* child) const;
  void ReleaseHandle();

  std::string caption_;
  TShortCut shortCut_ = scNone;
  int imageIndex_ = -1;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  bool default_ = false;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item of a menu only
  UINT command_ = 0;
  HMENU handle_ = nullptr;
};

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* owner = nullptr);
  ~TMenu() override;
  std::string ClassName() const override { return "TMenu"; }

  // The root item; its sub-items are the menu's top-level items.
  TMenuItem* Items() const { return items_; }
  HMENU Handle() { return items_->Handle(); }
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool ownerDraw);
  // Items are drawn by the toolkit when the menu is owner-drawn or has images.
  bool IsOwnerDraw() const { return ownerDraw_ || images_ != nullptr; }

  TMenuItem* FindItem(UINT_PTR value, TFindItemKind kind) const;
  // Runs the enabled, visible item with this shortcut; true when there was one.
  bool IsShortCut(const MSG& msg);
  bool DispatchCommand(WORD command);
  bool DispatchPopup(HMENU menu);

  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  friend class TMenuItem;
  virtual HMENU CreateMenuHandle() = 0;
  virtual bool IsMenuBar() const { return false; }
  // Told after a change has been applied to the native menu.
  virtual void MenuChanged(bool rebuild);

 private:
  TMenuItem* items_;
  TImageList* images_ = nullptr;
  bool ownerDraw_ = false;
};

// A form's menu bar. The form that shows it (TForm::SetMenu) hears of every change.
class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(TComponent* owner = nullptr) : TMenu(owner) {}
  ~TMainMenu() override;
  std::string ClassName() const override { return "TMainMenu"; }

  TWinControl* Window() const { return window_; }
  // Used by the form; the menu sends CM_MENUCHANGED to it.
  void SetWindow(TWinControl* window) { window_ = window; }

 protected:
  HMENU CreateMenuHandle() override { return CreateMenu(); }
  bool IsMenuBar() const override { return true; }
  void MenuChanged(bool rebuild) override;

 private:
  TWinControl* window_ = nullptr;
};

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner = nullptr) : TMenu(owner) {}
  ~TPopupMenu() override;
  std::string ClassName() const override { return "TPopupMenu"; }

  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* component) { popupComponent_ = component; }
  void Notification(TComponent* component, TOperation operation) override;

  // Shows the menu at screen point (X, Y) and returns when it closes; the chosen command
  // arrives afterwards as a message to the shared popup window.
  virtual void Popup(int x, int y);

  TNotifyEvent OnPopup;

 protected:
  HMENU CreateMenuHandle() override { return CreatePopupMenu(); }

 private:
  bool autoPopup_ = true;
  TComponent* popupComponent_ = nullptr;
};

// Process-wide lookups for message dispatch.
TMenuItem* FindMenuItemByCommand(UINT command);
TMenuItem* FindMenuItemByHandle(HMENU menu);
// The window that owns every shown popup menu and receives its messages.
HWND PopupListWindow();
// Handles WM_COMMAND from a menu, WM_INITMENUPOPUP, WM_MENUCHAR and owner-draw messages of
// menu items; true when the message concerned a toolkit menu item.
bool DispatchMenuMessage(TMessage& message);
// The system check mark (black on white) in the given colour, centred in Box and moved by
// (1, 1); the rest of the box is left as it is.
void DrawCheckMark(HDC dc, const RECT& box, COLORREF color);

}  // namespace korvale
