#pragma once

// What the process holds of GDI and USER objects, icons and hooks; compare before and after
// to prove that nothing leaks.
#include <windows.h>

namespace korvale::testing {

struct GuiObjectCounts {
  DWORD gdi = 0;
  DWORD user = 0;   // windows of this process and menus
  DWORD icons = 0;  // icons and cursors of this process
  DWORD hooks = 0;  // hooks this program installed and has not removed
  bool operator==(const GuiObjectCounts&) const = default;
};

// Under Wine the handle tables are walked, since GetGuiResources answers 0 there. Hooks
// cannot be queried there at all, so the program's own calls are counted instead: the
// executable's import slots of SetWindowsHookExA/W and UnhookWindowsHookEx lead through
// counting wrappers from the start of the process.
GuiObjectCounts CountGuiObjects();

// The USER objects of any process: its windows, and every menu of the desktop's table, since
// a menu handle does not tell its process.
DWORD CountUserObjects(DWORD processId);

}  // namespace korvale::testing
