#pragma once

// The skinned menu bar of a window: the native bar is taken out of the non-client area and
// drawn in the band below the title, one TMenuBtn hot spot per top-level item.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/forms/NCObject.h"
#include "toolkit/Bitmap.h"

namespace korvale {

class TMainMenu;
class TSkinData;

class TMenuBtn : public TNCObject {
 public:
  TMenuBtn(TWinSkinForm* form, TSkinData* skinData) : TNCObject(form), FSkinData(skinData) {}
  void Paint() override;

  TSkinData* FSkinData;
  int FIndex = 0;
  std::string FCaption;
  bool FEnabled = true;
  HMENU FSubMenu = nullptr;
  UINT FCommand = 0;
};

class TWinSkinMenu {
 public:
  TWinSkinMenu(TWinSkinForm* form, TSkinData* skinData, TMainMenu* mainMenu);
  TWinSkinMenu(const TWinSkinMenu&) = delete;
  TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

  // Buttons from the window's menu; removes the native bar.
  void BuildFromHandle();
  // Buttons from the toolkit's main menu (the last child window of a frame closed).
  void BuildFromMenu();
  // Buttons from another menu handle; empty native texts are found by command.
  void RebuildFromHandle(HMENU menu);
  // Draws the bar into DC at Rect (window coordinates).
  void PaintBar(HDC dc, const RECT& rect);
  // The first button with a caption whose rectangle holds the window point, or null.
  TMenuBtn* ButtonAt(POINT point) const;

  HMENU Menu() const { return FMenu; }
  void SetMenu(HMENU menu) { FMenu = menu; }
  TMainMenu* MainMenu() const { return FMainMenu; }
  const std::vector<std::unique_ptr<TMenuBtn>>& Buttons() const { return FMenuButtons; }
  const RECT& BarRect() const { return FBarRect; }
  // The painted bar without captions, for repainting single buttons.
  const TBitmap& Background() const { return FBackground; }

 private:
  enum class EmptyText { ByPosition, ByCommand };
  void BuildButtons(HMENU menu, EmptyText lookup);
  void PaintMdiButtons(HDC workDC, const RECT& bar);

  std::vector<std::unique_ptr<TMenuBtn>> FMenuButtons;
  TMainMenu* FMainMenu;
  RECT FBarRect{};
  TSkinData* FSkinData;
  TWinSkinForm* FForm;
  TBitmap FBackground;
  int FCount = 0;
  HMENU FMenu = nullptr;
};

// Draws a menu caption centred (alignment 2), left (0) or right (1) in Rect, grey when
// disabled; the DC's font and colour are the caller's.
void DrawMenuCaption(HDC dc, const RECT& rect, const std::string& text, int alignment, bool enabled);

}  // namespace korvale
