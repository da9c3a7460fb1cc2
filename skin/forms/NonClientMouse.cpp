// The skinned non-client area's mouse: hover, press, release, double click and right click
// on the title-bar and menu-bar buttons, the hover timer, the buttons' actions and the
// window commands behind them.
#include <windows.h>

#include "skin/data/SkinData.h"
#include "skin/forms/ControlSkinnerLink.h"
#include "skin/forms/SkinManager.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinMenu.h"
#include "toolkit/Timer.h"

namespace korvale {

namespace {

POINT PointOf(LPARAM lParam) { return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

}  // namespace

bool TWinSkinForm::OnNcMouse(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  if (msg == WM_NCLBUTTONDBLCLK) {
    if (IsMaximized() || IsMinimized()) Restore();
    else if (HasMaximizeBox()) ToggleMaximize();
    return true;
  }
  if (msg == WM_NCRBUTTONDOWN) {
    if (wParam != HTCAPTION || IsMdiChild()) return false;
    const POINT at = PointOf(lParam);
    ShowSysMenu(at.x, at.y);
    return true;
  }
  TNCObject* spot = HotSpotAt(ToFrame(PointOf(lParam)));
  auto* sysButton = dynamic_cast<TWinSysButton*>(spot);
  auto* menuButton = dynamic_cast<TMenuBtn*>(spot);
  switch (msg) {
    case WM_NCMOUSEMOVE:
      if (!FWindowActive) return true;
      if (spot) {
        spot->MouseEnter();
        return true;
      }
      if (FHotSpot) FHotSpot->MouseLeave();
      return false;
    case WM_NCLBUTTONDOWN:
      if (!spot) {
        // A maximised window is not dragged by its title.
        if (IsMaximized() && FWindowActive && wParam == HTCAPTION) {
          result = Default(msg, HTMENU, lParam);
          return true;
        }
        return false;
      }
      if (!FWindowActive) SetForegroundWindow(FHandle);
      spot->MouseDown();
      if (menuButton) OpenMenuButton(menuButton);
      return true;
    case WM_NCLBUTTONUP:
      if (sysButton && sysButton == FHotSpot) {
        sysButton->MouseUp();
        RECT window{};
        GetWindowRect(FHandle, &window);
        DoSysAction(*sysButton, window.left + sysButton->FRect.left, window.top + sysButton->FRect.bottom);
        return true;
      }
      return menuButton != nullptr;
    default:
      return false;
  }
}

void TWinSkinForm::CloseWindow() {
  if (FHoverTimer) FHoverTimer->SetEnabled(false);
  PostMessageA(FHandle, WM_CLOSE, 0, 0);
}

void TWinSkinForm::DoSysAction(TWinSysButton& button, int x, int y) {
  switch (button.FSkin->Action) {
    case 0:
      CloseWindow();
      break;
    case 1:
    case 22:
      ToggleMaximize();
      break;
    case 2:
    case 23:
      ToggleMinimize();
      break;
    case 3:
    case 11:
    case 12:
      ShowSysMenu(x + 1, y + 1);
      break;
    case 7:
    case 60:
      MdiCommand(SC_MINIMIZE);
      break;
    case 8:
    case 61:
      MdiCommand(SC_RESTORE);
      break;
    case 9:
    case 62:
      MdiCommand(SC_CLOSE);
      break;
    default:
      // Other actions are the skin's own; the window only acknowledges them.
      PostMessageA(FHandle, SM_ISSKINNED, static_cast<WPARAM>(button.FSkin->Action), 0);
      break;
  }
}

void TWinSkinForm::ToggleMaximize() {
  if (IsMaximized()) {
    Restore();
    return;
  }
  FWindowState = 1;
  PostMessageA(FHandle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  FHotSpot = nullptr;
}

void TWinSkinForm::ToggleMinimize() {
  if (IsMinimized()) {
    Restore();
    return;
  }
  FWindowState = 2;
  PostMessageA(FHandle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::Restore() {
  FWindowState = 0;
  PostMessageA(FHandle, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::MdiCommand(UINT command) {
  if (!IsMdiFrame() || !FMdiClient) return;
  if (auto child = reinterpret_cast<HWND>(SendMessageA(FMdiClient, WM_MDIGETACTIVE, 0, 0)))
    SendMessageA(child, WM_SYSCOMMAND, command, 0);
  TSkinManage* manager = SkinManager();
  if (manager && manager->FMdiMaximized && !MdiChildMaximized()) manager->SetMdiMax(false);
}

bool TWinSkinForm::OnSysCommand(WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (!FMenuTracking && (wParam & 0xFFF0) == SC_KEYMENU && lParam != ' ' && lParam != '-' && !GetCapture()) {
    // Alt alone, or Alt with a bar accelerator, belongs to the skinned bar, not to the
    // system menu the native frame no longer shows.
    if (lParam == 0 || FindAccelButton(static_cast<char>(lParam))) {
      result = 1;
      return true;
    }
  }
  switch (wParam & 0xFFF0) {
    case SC_MINIMIZE:
      FWindowState = 2;
      if (IsMdiChild()) SetNativeFrame(true);
      break;
    case SC_MAXIMIZE:
      FWindowState = 1;
      break;
    case SC_RESTORE:
      FWindowState = 0;
      if (IsMdiChild()) SetNativeFrame(false);
      break;
    default:
      break;
  }
  result = Default(WM_SYSCOMMAND, wParam, lParam);
  return true;
}

// The native system menu, tracked with TrackPopupMenu, reports its choice as WM_COMMAND.
bool TWinSkinForm::OnCommand(WPARAM wParam, LPARAM, LRESULT& result) {
  switch (LOWORD(wParam)) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
      PostMessageA(FHandle, WM_SYSCOMMAND, LOWORD(wParam), 0);
      result = 0;
      return true;
    default:
      return false;
  }
}

void TWinSkinForm::CheckHover(TObject*) {
  if (FMenuTracking) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  if (FHotSpot && !PtInRect(&FHotSpot->FRect, ToFrame(cursor))) FHotSpot->MouseLeave();
  if (IsForeign() && HotButton) {
    RECT button{};
    HWND handle = HotButton->SkinnedHandle();
    GetWindowRect(handle, &button);
    if (!PtInRect(&button, cursor)) {
      // The button draws its hot look only while it is the form's HotButton.
      HotButton = nullptr;
      InvalidateRect(handle, nullptr, FALSE);
    }
  }
}

}  // namespace korvale
