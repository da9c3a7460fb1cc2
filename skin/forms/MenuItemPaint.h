#pragma once

// Owner-drawn menu items painted from the skin: the MenuItem element's strip over the menu
// window's composed background, or flat in the skin's menu colours when the skin has no
// MenuItem. The bar's drop-downs, the form's popup menus and the skinned system menu all
// draw with one TMenuItemPainter.
#include <windows.h>

#include <memory>
#include <string>

#include "toolkit/Menus.h"

namespace korvale {

class TCanvas;
class TSkinData;

class TMenuItemPainter {
 public:
  explicit TMenuItemPainter(TSkinData* skinData) : FSkinData(skinData) {}
  void SetSkinData(TSkinData* skinData) { FSkinData = skinData; }
  TSkinData* SkinData() const { return FSkinData; }

  // The advanced-draw and measure events of skinned popup menus (Sender is the item).
  void DrawSkinnedItem(TObject* sender, TCanvas* canvas, const RECT& rect, TOwnerDrawState state);
  void MeasurePopupItem(TObject* sender, TCanvas* canvas, int& width, int& height);

  // The same for a bar drop-down's item, with the state as a flag.
  void DrawSkinnedItem(TMenuItem& item, TCanvas& canvas, bool selected, const RECT& rect);
  // An item of a menu the toolkit does not know, drawn through a stand-in item.
  void DrawForeignItem(HMENU menu, TMenuItem& item, bool selected, const RECT& rect, TCanvas& canvas);
  void DrawFlatItem(TMenuItem& item, TCanvas& canvas, bool selected, const RECT& rect);
  void DrawSeparator(HDC dc, const RECT& rect);
  void DrawItemContent(TMenuItem& item, TCanvas& canvas, bool selected, const RECT& rect);

  // The extra width a skinned item takes: the item strip's left cap, if any.
  int SkinLeftWidth() const;

 private:
  bool HasItemElement() const;
  // The item drawn on a bitmap over `background` (the menu window's, at rect + 3) or ColorMenu.
  void DrawOverBackground(HMENU menu, TMenuItem& item, bool selected, const RECT& rect, TCanvas& canvas,
                          bool separator);
  void DrawItemText(HDC dc, TMenuItem& item, const std::string& text, RECT& rect, UINT format, bool selected,
                    bool measuring);

  TSkinData* FSkinData;
};

// A free-standing item with the text, enabled and checked state of item `id` (by command)
// of `menu`; "-" for an item without text.
std::unique_ptr<TMenuItem> TempMenuItem(HMENU menu, UINT id);

}  // namespace korvale
