#include "skin/forms/MenuTracking.h"

#include "core/MenuLayout.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinMenu.h"
#include "toolkit/Exception.h"
#include "toolkit/Menus.h"

namespace korvale {

namespace {

// Process-wide: one drop-down of one menu bar is open at a time.
TMenuTrackingState gTracking;

TWinSkinMenu* TrackedBar() { return gTracking.TrackingForm ? gTracking.TrackingForm->MenuBar() : nullptr; }

// Inside a submenu the left arrow belongs to the menu (it closes the submenu).
bool InsideSubmenu() {
  TMenuItem* item = gTracking.TrackingItem;
  if (!item) return false;
  const HMENU open = gTracking.TrackingForm->FOpenMenu;
  TMenuItem* parent = item->Parent();
  const bool isOpen = item->HasHandle() && item->Handle() == open;
  const bool parentOpen = parent && parent->HasHandle() && parent->Handle() == open;
  return !isOpen && !parentOpen;
}

TMenuBtn* ArrowTarget(WPARAM key) {
  TWinSkinMenu* bar = TrackedBar();
  if (!bar) return nullptr;
  const auto& buttons = bar->Buttons();
  const int count = static_cast<int>(buttons.size());
  if (key == VK_LEFT && !InsideSubmenu()) {
    return buttons[static_cast<std::size_t>(NeighbourButton(count, gTracking.TrackingIndex, -1))].get();
  }
  if (key == VK_RIGHT && !(gTracking.TrackingItem && gTracking.TrackingItem->Count() > 0)) {
    return buttons[static_cast<std::size_t>(NeighbourButton(count, gTracking.TrackingIndex, 1))].get();
  }
  return nullptr;
}

void SwitchTo(TMenuBtn* target) {
  if (!target || target->FIndex == gTracking.TrackingIndex) return;
  gTracking.Switching = true;
  gTracking.SwitchTo = target->FIndex;
  EndMenu();
}

}  // namespace

TMenuTrackingState& MenuTracking() { return gTracking; }

void InstallMenuFilter() {
  gTracking.Switching = false;
  gTracking.FirstKeyPosted = false;
  gTracking.SwitchTo = -1;
  GetCursorPos(&gTracking.LastCursor);
  if (!gTracking.FilterHook)
    gTracking.FilterHook.reset(SetWindowsHookExA(WH_MSGFILTER, &MenuFilterProc, nullptr, GetCurrentThreadId()));
}

void RemoveMenuFilter() {
  gTracking.FilterHook.reset();
  gTracking.TrackingItem = nullptr;
  gTracking.TrackingIndex = -1;
  gTracking.FirstKeyPosted = false;
}

LRESULT CALLBACK MenuFilterProc(int code, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (msg && gTracking.TrackingItem && gTracking.TrackingItem->IsRightToLeft() && msg->message == WM_KEYDOWN) {
    if (msg->wParam == VK_LEFT) msg->wParam = VK_RIGHT;
    else if (msg->wParam == VK_RIGHT) msg->wParam = VK_LEFT;
  }
  const LRESULT result = CallNextHookEx(gTracking.FilterHook.get(), code, wParam, lParam);
  if (result != 0 || code != MSGF_MENU || !msg || !gTracking.TrackingForm) return result;
  GuardCallback([&] {
    if (!gTracking.FirstKeyPosted) {
      gTracking.FirstKeyPosted = true;
      // The drop-down opens with its first item selected, as from the native bar.
      PostMessageA(msg->hwnd, WM_KEYDOWN, VK_DOWN, 0);
    }
    TMenuBtn* target = nullptr;
    switch (msg->message) {
      case WM_KEYDOWN:
        if (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE) gTracking.Switching = false;
        target = ArrowTarget(msg->wParam);
        break;
      case WM_SYSKEYDOWN:
        if (msg->wParam == VK_MENU) gTracking.TrackingForm->EndMenuTracking();
        return;
      case WM_MOUSEMOVE:
        if (msg->pt.x != gTracking.LastCursor.x || msg->pt.y != gTracking.LastCursor.y) {
          if (TWinSkinMenu* bar = TrackedBar()) target = bar->ButtonAt(gTracking.TrackingForm->ToFrame(msg->pt));
          gTracking.LastCursor = msg->pt;
        }
        break;
      default:
        break;
    }
    SwitchTo(target);
  });
  // A key that switches drop-downs is not for the closing menu.
  return gTracking.Switching && msg->message == WM_KEYDOWN ? 1 : result;
}

void TrackMenuSelect(WPARAM wParam, LPARAM lParam) {
  if (!gTracking.TrackingForm) return;
  const UINT flags = HIWORD(wParam);
  if (flags == 0xFFFF && lParam == 0) {
    if (!gTracking.Switching) gTracking.TrackingForm->EndMenuTracking();
    return;
  }
  gTracking.Switching = false;
  TWinSkinMenu* bar = TrackedBar();
  if (!bar || !bar->MainMenu()) return;
  const auto menu = reinterpret_cast<HMENU>(lParam);
  gTracking.TrackingItem =
      (flags & MF_POPUP)
          ? bar->MainMenu()->FindItem(reinterpret_cast<UINT_PTR>(GetSubMenu(menu, LOWORD(wParam))), TFindItemKind::fkHandle)
          : bar->MainMenu()->FindItem(LOWORD(wParam), TFindItemKind::fkCommand);
}

}  // namespace korvale
