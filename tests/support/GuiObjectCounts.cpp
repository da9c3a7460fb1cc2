#include "tests/support/GuiObjectCounts.h"

#include <cstring>
#include <mutex>
#include <set>

namespace korvale::testing {

namespace {

// The live hooks installed through the executable's imports.
struct HookLedger {
  std::mutex mutex;
  std::set<HHOOK> live;
  decltype(&SetWindowsHookExA) setA = nullptr;
  decltype(&SetWindowsHookExW) setW = nullptr;
  decltype(&UnhookWindowsHookEx) unhook = nullptr;

  HHOOK Added(HHOOK hook) {
    if (hook) {
      std::lock_guard lock(mutex);
      live.insert(hook);
    }
    return hook;
  }
};

HookLedger& Ledger() {
  static HookLedger ledger;
  return ledger;
}

HHOOK WINAPI CountedSetWindowsHookExA(int id, HOOKPROC proc, HINSTANCE module, DWORD thread) {
  return Ledger().Added(Ledger().setA(id, proc, module, thread));
}

HHOOK WINAPI CountedSetWindowsHookExW(int id, HOOKPROC proc, HINSTANCE module, DWORD thread) {
  return Ledger().Added(Ledger().setW(id, proc, module, thread));
}

BOOL WINAPI CountedUnhookWindowsHookEx(HHOOK hook) {
  const BOOL removed = Ledger().unhook(hook);
  if (removed) {
    std::lock_guard lock(Ledger().mutex);
    Ledger().live.erase(hook);
  }
  return removed;
}

// Points every import slot of the executable that holds `original` at `replacement`.
void Redirect(void* original, void* replacement) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (imports.VirtualAddress == 0) return;
  for (auto* module = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       module->Name != 0; ++module) {
    for (auto* slot = reinterpret_cast<ULONG_PTR*>(base + module->FirstThunk); *slot != 0; ++slot) {
      if (*slot != reinterpret_cast<ULONG_PTR>(original)) continue;
      DWORD protection = 0;
      VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
      *slot = reinterpret_cast<ULONG_PTR>(replacement);
      VirtualProtect(slot, sizeof *slot, protection, &protection);
    }
  }
}

void WatchHookCalls() {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  HookLedger& ledger = Ledger();
  ledger.setA = reinterpret_cast<decltype(&SetWindowsHookExA)>(
      reinterpret_cast<void*>(GetProcAddress(user32, "SetWindowsHookExA")));
  ledger.setW = reinterpret_cast<decltype(&SetWindowsHookExW)>(
      reinterpret_cast<void*>(GetProcAddress(user32, "SetWindowsHookExW")));
  ledger.unhook = reinterpret_cast<decltype(&UnhookWindowsHookEx)>(
      reinterpret_cast<void*>(GetProcAddress(user32, "UnhookWindowsHookEx")));
  Redirect(reinterpret_cast<void*>(ledger.setA), reinterpret_cast<void*>(&CountedSetWindowsHookExA));
  Redirect(reinterpret_cast<void*>(ledger.setW), reinterpret_cast<void*>(&CountedSetWindowsHookExW));
  Redirect(reinterpret_cast<void*>(ledger.unhook), reinterpret_cast<void*>(&CountedUnhookWindowsHookEx));
}

// Before main, so that no hook of the program escapes the count.
const bool hookCallsWatched = (WatchHookCalls(), true);

bool IsIconOfThisProcess(HANDLE handle) {
  // GetIconInfo fails for a handle of another process and for anything but an icon or cursor;
  // the masks it hands out are copies to free.
  ICONINFO info{};
  if (!GetIconInfo(static_cast<HICON>(handle), &info)) return false;
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return true;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM into) {
  reinterpret_cast<std::set<HWND>*>(into)->insert(window);
  return TRUE;
}

// Every window of the desktop and of the message-only parent, children included. Asking
// each handle of the table with IsWindow costs a round trip to the window server per
// handle under Wine (over a second a walk); enumerating asks only for windows that exist.
std::set<HWND> AllWindows() {
  std::set<HWND> windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  for (HWND window = nullptr; (window = FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr));) {
    windows.insert(window);
  }
  for (HWND parent : std::set<HWND>(windows)) {
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&windows));
  }
  return windows;
}

}  // namespace

DWORD CountUserObjects(DWORD processId) {
  // The USER table is shared by the whole desktop: only objects of the process count (the
  // shell makes tooltip windows of its own for tray icons, for example).
  DWORD count = 0;
  for (HWND window : AllWindows()) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId) ++count;
  }
  for (ULONG_PTR i = 0x20; i < 0x10000; i += 2) {
    if (IsMenu(reinterpret_cast<HMENU>(i))) ++count;
  }
  return count;
}

GuiObjectCounts CountGuiObjects() {
  HANDLE self = GetCurrentProcess();
  GuiObjectCounts counts{GetGuiResources(self, GR_GDIOBJECTS), GetGuiResources(self, GR_USEROBJECTS)};
  // Wine answers GetGuiResources with 0, so there the handle tables are walked instead:
  // both hand out handles whose low word is the table index and accept that index alone.
  if (counts.gdi == 0) {
    for (ULONG_PTR i = 0x20; i < 0x10000; ++i) {
      if (GetObjectType(reinterpret_cast<HGDIOBJ>(i))) ++counts.gdi;
    }
  }
  if (counts.user == 0) counts.user = CountUserObjects(GetCurrentProcessId());
  for (ULONG_PTR i = 0x20; i < 0x10000; i += 2) {
    if (IsIconOfThisProcess(reinterpret_cast<HANDLE>(i))) ++counts.icons;
  }
  std::lock_guard lock(Ledger().mutex);
  counts.hooks = static_cast<DWORD>(Ledger().live.size());
  return counts;
}

}  // namespace korvale::testing
