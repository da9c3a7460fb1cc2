#pragma once

// Menu windows ("#32768") with a skinned frame: the skin's MenuBackground element composed at
// the window's size gives the 3-pixel frame, and the item painter reads the same picture as
// the background of every item. The manager owns one TWinSkinPopMenu per live menu window.
#include <windows.h>

#include <memory>
#include <vector>

#include "toolkit/Bitmap.h"
#include "toolkit/Messages.h"
#include "toolkit/WindowSubclass.h"

namespace korvale {

class TSkinData;
class TPopupMenuWindows;

class TWinSkinPopMenu {
 public:
  explicit TWinSkinPopMenu(TPopupMenuWindows* owner) : FOwner(owner) {}
  ~TWinSkinPopMenu() { DetachPopup(); }
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  void AttachPopup(HWND handle, TSkinData* skinData, HMENU menu);
  // Gives the window its own procedure back; safe to call twice.
  void DetachPopup();

  HWND Handle() const { return FHandle; }
  HMENU Menu() const { return FMenu; }
  void SetMenu(HMENU menu) { FMenu = menu; }
  const TBitmap& Background() const { return FBackground; }
  // Where the client area starts in the window: items are drawn in client coordinates
  // over a background composed for the whole window.
  POINT ClientOffset() const;
  bool Attached() const { return FWindowProc.Attached(); }

 private:
  void PopupWndProc(TMessage& message);
  // Composes FBackground; false when the skin gives the window no frame.
  bool ComposeBackground();
  void PaintPopupFrame();
  void PrintPopup(TMessage& message);

  TPopupMenuWindows* FOwner;
  TWindowSubclass FWindowProc;
  HWND FHandle = nullptr;
  TSkinData* FSkinData = nullptr;
  TBitmap FBackground;
  HMENU FMenu = nullptr;
};

// The manager's menu-window skinners, and the one whose menu is not yet known.
class TPopupMenuWindows {
 public:
  TPopupMenuWindows() = default;
  TPopupMenuWindows(const TPopupMenuWindows&) = delete;
  TPopupMenuWindows& operator=(const TPopupMenuWindows&) = delete;

  void SkinPopupWindow(HWND window, TSkinData* skinData);
  void ReleasePopupWindow(HWND window);
  void ReleaseAll() { FPopups.clear(); }
  // The skinner of the menu window that shows `menu` with a composed background, or null.
  const TWinSkinPopMenu* PopupBackground(HMENU menu) const;
  // The window painted last whose menu is not known learns it is `menu`.
  void ClaimPending(HMENU menu);
  void SetPending(TWinSkinPopMenu* popup) { FPendingPopup = popup; }
  TWinSkinPopMenu* PendingPopup() const { return FPendingPopup; }
  std::size_t Count() const { return FPopups.size(); }

 private:
  std::vector<std::unique_ptr<TWinSkinPopMenu>> FPopups;
  TWinSkinPopMenu* FPendingPopup = nullptr;
};

}  // namespace korvale
