// The window procedure of a skinned window: the messages every skinned window handles, the
// frame's own (size, activation, state) and, while the frame is skinned, the non-client
// area's; plus the hook on the toolkit form's WindowProc and the MDI client's procedure.
#include <windows.h>
#include "skin/data/SkinData.h"
#include "skin/forms/MenuTracking.h"
#include "skin/forms/SkinManager.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinMenu.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Timer.h"

namespace korvale {

void TWinSkinForm::WindowHook(TMessage& message) {
  message.Result = SkinWndProc(message.Msg, message.WParam, message.LParam);
}

// The window's own procedure for the message being handled.
LRESULT TWinSkinForm::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  FWindowProc.CallNext(message);
  return message.Result;
}

LRESULT TWinSkinForm::SkinWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND: {
      const LRESULT result = Default(msg, wParam, lParam);
      if (!IsForeign()) return result;
      RECT client{};
      GetClientRect(FHandle, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, FSkinData->FaceBrush());
      return 1;
    }
    case WM_STYLECHANGED: {
      if (wParam == static_cast<WPARAM>(GWL_STYLE))
        FStyle = reinterpret_cast<const STYLESTRUCT*>(lParam)->styleNew;
      return Default(msg, wParam, lParam);
    }
    case WM_NCDESTROY: {
      FSkinState = 4;
      const LRESULT result = Default(msg, wParam, lParam);
      DetachWindow();
      FSkinState = 6;
      return result;
    }
    case WM_CTLCOLORBTN: {
      const LRESULT result = Default(msg, wParam, lParam);
      if (IsForeign()) SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return result;
    }
    case WM_CTLCOLORSTATIC: {
      (void)Default(msg, wParam, lParam);
      if (IsForeign()) SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<LRESULT>(FSkinData->FaceBrush());
    }
    case SM_ISSKINNED:
      return 1;
    case WM_MEASUREITEM:
    case WM_DRAWITEM: {
      LRESULT result = 0;
      if (OnMenuItemMessage(msg, lParam, result)) return result;
      return Default(msg, wParam, lParam);
    }
    case WM_MENUSELECT:
      if (FMenuTracking) TrackMenuSelect(wParam, lParam);
      return Default(msg, wParam, lParam);
    default:
      break;
  }
  if (!FrameSkinningOn()) return Default(msg, wParam, lParam);
  if ((GetWindowLongA(FHandle, GWL_STYLE) & WS_CHILD) && !IsMdiChild()) return Default(msg, wParam, lParam);
  LRESULT result = 0;
  if (SecondStage(msg, wParam, lParam, result)) return result;
  if (FSkinState != 0 && !IsMinimized() && !MdiChildNotNormal() && ThirdStage(msg, wParam, lParam, result))
    return result;
  return Default(msg, wParam, lParam);
}

bool TWinSkinForm::SecondStage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_SIZE:
      OnSize(wParam, lParam, result);
      return true;
    case WM_ACTIVATE:
      FWindowActive = LOWORD(wParam) != WA_INACTIVE;
      result = Default(msg, wParam, lParam);
      return true;
    case WM_GETMINMAXINFO:
      OnGetMinMaxInfo(wParam, lParam, result);
      return true;
    case WM_WINDOWPOSCHANGED:
      ReadWindowState();
      result = Default(msg, wParam, lParam);
      return true;
    case WM_NCACTIVATE:
      FWindowActive = wParam != 0;
      return false;
    case WM_SYSCOMMAND:
      return OnSysCommand(wParam, lParam, result);
    case WM_COMMAND:
      return OnCommand(wParam, lParam, result);
    case SM_SKINATTACHED: {
      TSkinManage* manager = SkinManager();
      if (FSkinState == 0) {
        if (IsMdiChild() && manager && manager->FMdiMaximized) {
          SetNativeFrame(true);
          RefreshFrame();
        } else if (!IsMinimized() && FBorderKind != 2) {
          FSkinState = 5;
          Reframe(false);
        }
      }
      FSkinState = 1;
      if (FHoverTimer) FHoverTimer->SetEnabled(true);
      result = 0;
      return true;
    }
    default:
      return false;
  }
}

bool TWinSkinForm::ThirdStage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_NCCALCSIZE:
      result = OnNcCalcSize(wParam, lParam);
      return true;
    case WM_NCHITTEST:
      result = OnNcHitTest(wParam, lParam);
      return true;
    case WM_NCPAINT:
      result = OnNcPaint(wParam, lParam);
      return true;
    case WM_NCACTIVATE:
      result = OnNcActivate(wParam);
      return true;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
      return OnNcMouse(msg, wParam, lParam, result);
    case SM_REDRAWFRAME:
      PaintFrame();
      result = 0;
      return true;
    default:
      return false;
  }
}

void TWinSkinForm::FormProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SETTEXT:
      FOldFormProc(message);
      RefreshFrame();
      return;
    case SM_APPLYSKIN:
      ApplySkin();
      return;
    case CM_MENUCHANGED:
      OnMenuChanged(message);
      return;
    case CM_DIALOGCHAR:
      // Alt and a menu-bar accelerator open that drop-down.
      if (FMenuBar && (GetKeyState(VK_MENU) & 0x8000) && !(GetKeyState(VK_CONTROL) & 0x8000) &&
          !(GetKeyState(VK_SHIFT) & 0x8000)) {
        if (TMenuBtn* button = FindAccelButton(static_cast<char>(message.WParam))) {
          PostMenuButtonClick(button);
          message.Result = 1;
          return;
        }
      }
      FOldFormProc(message);
      return;
    default:
      FOldFormProc(message);
      return;
  }
}

// The toolkit re-attaches its menu natively on CM_MENUCHANGED; that must neither paint the
// native frame nor stay: the skinned bar takes the menu back.
void TWinSkinForm::OnMenuChanged(TMessage& message) {
  FSkinData->NCPaintEnabled = false;
  try {
    FOldFormProc(message);
  } catch (...) {
    FSkinData->NCPaintEnabled = true;
    throw;
  }
  FSkinData->NCPaintEnabled = true;
  HMENU menu = GetMenu(FHandle);
  if (FMenuBar && FSkinData->MenuUpdate() && menu) {
    FMenuBar->SetMenu(menu);
    FMenuBar->BuildFromHandle();
    PaintFrame();
  } else if (menu && FMenuBar == nullptr && FrameSkinningOn() && !IsMdiChild()) {
    // A menu bar given to a skinned window that had none: it takes the band below the title.
    FMenuHeight = GetSystemMetrics(SM_CYMENU);
    FMenuBar = std::make_unique<TWinSkinMenu>(this, FSkinData, FVclForm ? FVclForm->Menu() : nullptr);
    FMenuBar->BuildFromHandle();
    FitFrame(true);
  }
}

void TWinSkinForm::OnSize(WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = Default(WM_SIZE, wParam, lParam);
  switch (wParam) {
    case SIZE_RESTORED:
      FWindowState = 0;
      break;
    case SIZE_MINIMIZED:
      FWindowState = 2;
      break;
    case SIZE_MAXIMIZED:
      FWindowState = 1;
      break;
    default:
      break;
  }
  if (IsMinimized()) return;
  TSkinManage* manager = SkinManager();
  if (IsMdiChild() && ((manager && manager->FMdiMaximized) || FWindowState != 0)) return;
  if (FSkinState == 1 || FSkinState == 3) UpdateRegion();
}

void TWinSkinForm::OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = Default(WM_GETMINMAXINFO, wParam, lParam);
  ReadWindowState();
  TSkinManage* manager = SkinManager();
  if (IsMinimized()) {
    SetNativeFrame(true);
  } else if (!IsMdiChild()) {
    SetNativeFrame(false);
  } else if (FWindowState == 0) {
    if (manager && manager->FMdiMaximized) manager->SetMdiMax(false);
    SetNativeFrame(false);
  } else if (IsMaximized()) {
    SetNativeFrame(true);
  }
  auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
  info->ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
}

LRESULT TWinSkinForm::OnNcCalcSize(WPARAM wParam, LPARAM lParam) {
  (void)Default(WM_NCCALCSIZE, wParam, lParam);
  if (wParam == 0) return 0;
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
  if (MdiChildNotNormal() || FBorderKind == 2) {
    params->rgrc[1] = params->rgrc[0];
    return WVR_VALIDRECTS;
  }
  const WINDOWPOS& pos = *params->lppos;
  const PixelRect client =
      SkinnedClientRect({pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy}, Widths());
  params->rgrc[0] = {client.left, client.top, client.right, client.bottom};
  params->rgrc[1] = params->rgrc[0];
  return WVR_VALIDRECTS;
}

POINT TWinSkinForm::ToFrame(POINT point) const {
  ScreenToClient(FHandle, &point);
  if (!IsMinimized()) {
    point.x += FLeft;
    point.y += FTop + FMenuHeight;
  }
  return point;
}

LRESULT TWinSkinForm::OnNcHitTest(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = Default(WM_NCHITTEST, wParam, lParam);
  if (result != HTNOWHERE) return result;
  const POINT point = ToFrame({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
  switch (FrameBandAt(point.y, FTop)) {
    case FrameBand::Menu:
      return HTMENU;
    case FrameBand::Caption:
      return HTCAPTION;
    case FrameBand::Nothing:
      break;
  }
  return result;
}

LRESULT TWinSkinForm::OnNcPaint(WPARAM wParam, LPARAM lParam) {
  if (!FSkinData->NCPaintEnabled) return 0;
  if (MdiChildNotNormal() || FBorderKind == 2) return Default(WM_NCPAINT, wParam, lParam);
  // The whole frame is painted from off-screen bitmaps; the update region only limits
  // what reaches the screen, which the window DC's visible region does already.
  PaintFrame();
  return 0;
}

LRESULT TWinSkinForm::OnNcActivate(WPARAM wParam) {
  FWindowActive = wParam != 0;
  if (FHoverTimer) FHoverTimer->SetEnabled(FWindowActive);
  if (!FWindowActive && FHotSpot) FHotSpot->MouseLeave();
  if (!MdiChildNotNormal()) PaintFrame();
  return 1;
}

// ------------------------------------------------------------------ the menu bar

TMenuBtn* TWinSkinForm::FindAccelButton(char key) const {
  if (!FMenuBar) return nullptr;
  for (const auto& button : FMenuBar->Buttons()) {
    if (button->FEnabled && IsAccel(static_cast<unsigned char>(key), button->FCaption)) return button.get();
  }
  return nullptr;
}

void TWinSkinForm::PostMenuButtonClick(TMenuBtn* button) {
  RECT window{};
  GetWindowRect(FHandle, &window);
  const POINT point{window.left + button->FRect.left + 1, window.top + button->FRect.top + 1};
  PostMessageA(FHandle, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(point.x, point.y));
}

// ------------------------------------------------------------------ MDI client

void TWinSkinForm::ClientHook(TMessage& message) {
  message.Result = ClientProc(message.Msg, message.WParam, message.LParam);
}

LRESULT TWinSkinForm::ClientProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto def = [&] {
    TMessage message{msg, wParam, lParam, 0};
    FClientProc.CallNext(message);
    return message.Result;
  };
  TSkinManage* manager = SkinManager();
  if (msg == WM_NCDESTROY) {
    const LRESULT result = def();
    UnsubclassClient();
    return result;
  }
  if (!FrameSkinningOn() || !manager) return def();
  switch (msg) {
    case WM_NCCALCSIZE:
      SetWindowLongA(FMdiClient, GWL_STYLE, GetWindowLongA(FMdiClient, GWL_STYLE) & ~(WS_HSCROLL | WS_VSCROLL));
      return def();
    case WM_MDICREATE: {
      FSkinData->SetMenuUpdate(false);
      const LRESULT result = def();
      FNewMdiChild = reinterpret_cast<HWND>(result);
      return result;
    }
    case WM_MDIDESTROY: {
      const LRESULT result = def();
      BOOL maximized = FALSE;
      SendMessageA(FMdiClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
      manager->SetMdiMax(maximized != FALSE);
      if (FMenuBar && manager->MdiChildCount() == 0) {
        FSkinData->SetMenuUpdate(FSavedMenuUpdate);
        FMenuBar->BuildFromMenu();
        PaintFrame();
      }
      return result;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (manager->FMdiMaximized) manager->SetMdiMax(false);
      return def();
    case WM_MDISETMENU: {
      const LRESULT result = def();
      const auto menu = reinterpret_cast<HMENU>(wParam);
      if (menu && FMenuBar && (FMenuBar->Menu() != menu || FNewMdiChild)) {
        FMenuBar->RebuildFromHandle(GetMenu(FHandle));
        PaintFrame();
      }
      ::SetMenu(FHandle, nullptr);
      return result;
    }
    case WM_MDIREFRESHMENU: {
      const LRESULT result = def();
      if (FNewMdiChild) {
        (void)manager->SkinWindow(FNewMdiChild);
        PostMessageA(FHandle, SM_REDRAWFRAME, 0, 0);
        FNewMdiChild = nullptr;
      }
      return result;
    }
    default:
      return def();
  }
}

}  // namespace korvale
