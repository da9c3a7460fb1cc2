#include "toolkit/Menus.h"

#include <algorithm>
#include <unordered_map>

#include "toolkit/Canvas.h"
#include "toolkit/Exception.h"
#include "toolkit/GdiHandles.h"
#include "toolkit/ImageList.h"

namespace korvale {

namespace {

// Command ids travel in the low word of WM_COMMAND; ids from 0xFF00 belong to the windows of
// an MDI frame's client.
constexpr UINT kFirstCommand = 1;
constexpr UINT kCommandLimit = 0xFF00;

struct MenuRegistry {
  std::vector<bool> used = std::vector<bool>(kCommandLimit, false);
  UINT next = kFirstCommand;
  std::unordered_map<UINT, TMenuItem*> byCommand;
  std::unordered_map<HMENU, TMenuItem*> byHandle;
};

MenuRegistry& Registry() {
  static MenuRegistry* registry = new MenuRegistry;  // outlives every static item
  return *registry;
}

UINT AllocateCommand(TMenuItem* item) {
  MenuRegistry& r = Registry();
  for (UINT n = 0; n < kCommandLimit - kFirstCommand; ++n) {
    UINT id = r.next;
    r.next = r.next + 1 >= kCommandLimit ? kFirstCommand : r.next + 1;
    if (!r.used[id]) {
      r.used[id] = true;
      r.byCommand[id] = item;
      return id;
    }
  }
  throw Exception("Out of menu command ids");
}

void ReleaseCommand(UINT id) {
  MenuRegistry& r = Registry();
  if (id >= kFirstCommand && id < kCommandLimit) r.used[id] = false;
  r.byCommand.erase(id);
}

void ClearNativeItems(HMENU menu) {
  while (GetMenuItemCount(menu) > 0) {
    if (!RemoveMenu(menu, 0, MF_BYPOSITION)) break;
  }
}

}  // namespace

void DrawCheckMark(HDC dc, const RECT& box, COLORREF color) {
  constexpr WORD kCheckBitmap = 32760;  // OBM_CHECK, an OEM resource of the system
  const UniqueBitmap mark(LoadBitmapA(nullptr, MAKEINTRESOURCEA(kCheckBitmap)));
  const UniqueDC source(CreateCompatibleDC(dc));
  if (!mark || !source) return;
  BITMAP info{};
  GetObjectA(mark.get(), sizeof info, &info);
  const UniqueBrush brush(CreateSolidBrush(color));
  const SelectGuard markIn(source.get(), mark.get());
  const SavedDC saved(dc);
  SelectObject(dc, brush.get());
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  const int x = box.left + (box.right - box.left - info.bmWidth) / 2 + 1;
  const int y = box.top + (box.bottom - box.top - info.bmHeight) / 2 + 1;
  BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source.get(), 0, 0, 0x00B8074A);  // brush where black
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) { command_ = AllocateCommand(this); }

TMenuItem::~TMenuItem() {
  MarkDestroying();
  if (parent_) parent_->Remove(this);
  while (!items_.empty()) delete items_.back();  // each takes itself out of this list
  ReleaseHandle();
  ReleaseCommand(command_);
}

void TMenuItem::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed(false);
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
  if (shortCut == shortCut_) return;
  shortCut_ = shortCut;
  Changed(false);
}

void TMenuItem::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  Changed(false);
}

void TMenuItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed(false);
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed(false);
}

void TMenuItem::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed(true);
}

void TMenuItem::SetDefault(bool isDefault) {
  if (isDefault == default_) return;
  default_ = isDefault;
  Changed(false);
}

int TMenuItem::MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item) return;
  if (item->menu_) throw Exception("Cannot insert the items of a menu into another menu");
  for (const TMenuItem* p = this; p; p = p->parent_) {
    if (p == item) throw Exception("A menu item cannot be inserted into itself");
  }
  if (item->parent_) item->parent_->Remove(item);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  RebuildHandle();
  // The parent shows this item anew: a first sub-item turns it into a drop-down.
  Changed(true);
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
  if (HasState(TComponentState::Destroying)) return;
  RebuildHandle();
  Changed(true);
  if (items_.empty() && !menu_) ReleaseHandle();
}

void TMenuItem::Delete(int index) {
  if (index < 0 || index >= Count()) throw Exception("Menu index out of range");
  TMenuItem* item = items_[static_cast<std::size_t>(index)];
  Remove(item);
}

void TMenuItem::Clear() {
  while (!items_.empty()) delete items_.back();
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

TImageList* TMenuItem::GetImageList() const {
  TMenu* menu = GetParentMenu();
  return menu ? menu->Images() : nullptr;
}

HMENU TMenuItem::Handle() {
  if (handle_) return handle_;
  if (menu_) {
    handle_ = menu_->CreateMenuHandle();
  } else if (!items_.empty()) {
    handle_ = CreatePopupMenu();
  } else {
    return nullptr;
  }
  if (!handle_) throw Exception("Cannot create a menu");
  Registry().byHandle[handle_] = this;
  RebuildHandle();
  return handle_;
}

void TMenuItem::ReleaseHandle() {
  if (!handle_) return;
  Registry().byHandle.erase(handle_);
  // The sub-menus belong to their own items; take them out before the menu goes.
  ClearNativeItems(handle_);
  DestroyMenu(handle_);
  handle_ = nullptr;
}

bool TMenuItem::IsOwnerDrawn() const {
  TMenu* menu = GetParentMenu();
  if (!menu || !menu->IsOwnerDraw()) return false;
  // The bar of a main menu draws its own top-level captions.
  return !(menu->IsMenuBar() && parent_ && parent_->menu_);
}

void TMenuItem::FillItemInfo(MENUITEMINFOA& info, std::string& text) {
  info = MENUITEMINFOA{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
  if (IsLine()) {
    info.fType = MFT_SEPARATOR;
  } else if (IsOwnerDrawn()) {
    info.fType = MFT_OWNERDRAW;
  } else {
    info.fType = MFT_STRING;
    info.fMask |= MIIM_STRING;
    text = caption_;
    const bool onBar = parent_ && parent_->menu_ && parent_->menu_->IsMenuBar();
    if (shortCut_ != scNone && !onBar) text += "\t" + ShortCutToText(shortCut_);
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
  }
  if (checked_) info.fState |= MFS_CHECKED;
  if (!enabled_) info.fState |= MFS_GRAYED;
  if (default_) info.fState |= MFS_DEFAULT;
  info.wID = command_;
  info.hSubMenu = items_.empty() ? nullptr : Handle();
  info.dwItemData = command_;
}

int TMenuItem::NativePosition(const TMenuItem* child) const {
  int position = 0;
  for (const TMenuItem* item : items_) {
    if (item == child) return position;
    if (item->visible_) ++position;
  }
  return -1;
}

void TMenuItem::RebuildHandle() {
  if (!handle_ || HasState(TComponentState::Destroying)) return;
  ClearNativeItems(handle_);
  UINT position = 0;
  for (TMenuItem* item : items_) {
    if (!item->visible_) continue;
    MENUITEMINFOA info;
    std::string text;
    item->FillItemInfo(info, text);
    InsertMenuItemA(handle_, position++, TRUE, &info);
  }
}

void TMenuItem::UpdateNativeItem(TMenuItem* child) {
  if (!handle_ || !child->visible_) return;
  const int position = NativePosition(child);
  if (position < 0) return;
  MENUITEMINFOA info;
  std::string text;
  child->FillItemInfo(info, text);
  SetMenuItemInfoA(handle_, static_cast<UINT>(position), TRUE, &info);
}

void TMenuItem::Changed(bool rebuild) {
  if (HasState(TComponentState::Loading) || HasState(TComponentState::Destroying)) return;
  if (parent_) {
    if (rebuild) parent_->RebuildHandle();
    else parent_->UpdateNativeItem(this);
  }
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged(rebuild);
}

void TMenuItem::Loaded() {
  TComponent::Loaded();
  RebuildHandle();
  Changed(true);
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
  TImageList* images = GetImageList();
  const int box = images ? std::max(images->Width(), 16) : 16;
  const int boxHeight = images ? std::max(images->Height(), 16) : 16;
  if (IsLine()) {
    width = 10;
    height = 8;
  } else {
    RECT r{0, 0, 0, 0};
    std::string text = caption_.empty() || caption_ == "&" ? caption_ + " " : caption_;
    if (canvas.Handle()) {
      canvas.TextRect(r, "", 0);  // selects the canvas font
      DrawTextA(canvas.Handle(), text.data(), static_cast<int>(text.size()), &r,
                DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE);
    }
    width = box + 3 + (r.right - r.left) + 10;
    if (shortCut_ != scNone) width += 15 + canvas.TextWidth(ShortCutToText(shortCut_));
    height = std::max(boxHeight + 4, static_cast<int>(r.bottom - r.top) + 4);
  }
  if (OnMeasureItem) OnMeasureItem(this, &canvas, width, height);
}

void TMenuItem::AdvancedDrawItem(TCanvas& canvas, const RECT& rect, TOwnerDrawState state, bool topLevel) {
  if (OnAdvancedDrawItem) OnAdvancedDrawItem(this, &canvas, rect, state);
  else DefaultDrawItem(canvas, rect, state, topLevel);
}

void TMenuItem::DefaultDrawItem(TCanvas& canvas, const RECT& rect, TOwnerDrawState state, bool) {
  HDC dc = canvas.Handle();
  if (!dc) return;
  const bool selected = (state & odSelected) != 0;
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(selected ? clHighlight : clMenu);
  canvas.FillRect(rect);
  if (IsLine()) {
    RECT line = rect;
    line.top += (rect.bottom - rect.top) / 2 - 1;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  TImageList* images = GetImageList();
  const int box = images ? std::max(images->Width(), 16) : 16;
  RECT boxRect{rect.left + 1, rect.top + 1, rect.left + 1 + box, rect.top + 1 + box};
  if (images && imageIndex_ >= 0 && imageIndex_ < images->Count()) {
    if (checked_) DrawEdge(dc, &boxRect, BDR_SUNKENOUTER, BF_RECT);
    images->Draw(canvas, boxRect.left + (box - images->Width()) / 2,
                 rect.top + (rect.bottom - rect.top - images->Height()) / 2, imageIndex_, enabled_);
  }
  TColor textColor = selected ? clHighlightText : clMenuText;
  if (!enabled_) textColor = clGrayText;
  if (checked_ && !(images && imageIndex_ >= 0 && imageIndex_ < images->Count()))
    DrawCheckMark(dc, boxRect, ColorToRGB(textColor));
  canvas.Font().SetColor(textColor);
  canvas.Font().SetStyle(default_ ? fsBold : 0);
  SetBkMode(dc, TRANSPARENT);
  RECT text{boxRect.right + 3, rect.top, rect.right - 1, rect.bottom};
  canvas.TextRect(text, caption_, DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER);
  if (shortCut_ != scNone) {
    RECT keys{text.left, rect.top, rect.right - 11, rect.bottom};
    canvas.TextRect(keys, ShortCutToText(shortCut_), DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
  }
}

TMenuItem* FindMenuItemByCommand(UINT command) {
  auto& map = Registry().byCommand;
  auto it = map.find(command);
  return it == map.end() ? nullptr : it->second;
}

TMenuItem* FindMenuItemByHandle(HMENU menu) {
  auto& map = Registry().byHandle;
  auto it = map.find(menu);
  return it == map.end() ? nullptr : it->second;
}

}  // namespace korvale
