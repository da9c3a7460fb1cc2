// The skin soak: the skinned main window in this process, put through each kind of repeated
// work a user's day brings. GDI and USER objects, hooks and handles are counted once a tenth
// of each run is done and again at its end; it exits with 0 when none of them grew. A program
// of its own, so that the manager's soak driver links no skin code and its own GDI count
// stays what its check expects.
#include <windows.h>

#include <array>
#include <cstdio>
#include <functional>
#include <string>

#include "app/MainForm.h"
#include "core/Supervision.h"
#include "skin/data/SkinElements.h"
#include "skin/forms/NCObject.h"
#include "skin/forms/WinSkinForm.h"
#include "tests/soak/ProcessHandles.h"
#include "tests/support/WinTestSupport.h"
#include "tests/support/app/ManagerWindow.h"
#include "toolkit/Application.h"

namespace korvale::testing {
namespace {

constexpr std::array<int, 3> kPorts = {19831, 19832, 19833};
constexpr int kMenuBarItems = 4;
// What may move between two samples without a leak: a lamp's picture changes, a probe's
// socket and a started server's process handles come and go.
constexpr DWORD kGdiSlack = 4;
constexpr DWORD kUserSlack = 2;
constexpr DWORD kHandleSlack = 8;

struct Counts {
  GuiObjectCounts gui;
  DWORD handles = 0;
};

Counts CountNow() {
  Settle();
  return {CountGuiObjects(), CountHandles(GetCurrentProcess())};
}

// Runs `step` `times` times; answers whether the counts after a tenth equal those at the end.
bool Soak(const char* what, int times, const std::function<void(int)>& step) {
  Counts first;
  for (int i = 0; i < times; ++i) {
    step(i);
    if (i + 1 == times / 10) first = CountNow();
  }
  const Counts last = CountNow();
  const bool flat = last.gui.gdi <= first.gui.gdi + kGdiSlack && last.gui.user <= first.gui.user + kUserSlack &&
                    last.gui.hooks <= first.gui.hooks && last.handles <= first.handles + kHandleSlack;
  std::printf("skin soak: %5d %-34s GDI %4lu -> %4lu, USER %3lu -> %3lu, hooks %lu -> %lu, handles %3lu -> %3lu: %s\n",
              times, what, first.gui.gdi, last.gui.gdi, first.gui.user, last.gui.user, first.gui.hooks,
              last.gui.hooks, first.handles, last.handles, flat ? "flat" : "GREW");
  std::fflush(stdout);
  return flat;
}

POINT ScreenPoint(HWND window, POINT inWindow) {
  RECT outer{};
  GetWindowRect(window, &outer);
  return {outer.left + inWindow.x, outer.top + inWindow.y};
}

// Hover over the first shown title-bar button, press, move off and let go there: nothing
// is triggered, every state is painted.
std::function<void(int)> HoverAndPress(HWND window) {
  const TWinSkinForm* skinner = SkinnerOf(window);
  POINT on{};
  for (const auto& button : skinner->SysButtons()) {
    if (!button->FVisible || button->FSkin->Image->Empty()) continue;
    on = {(button->FRect.left + button->FRect.right) / 2, (button->FRect.top + button->FRect.bottom) / 2};
    break;
  }
  RECT client{};
  GetClientRect(window, &client);
  POINT off{client.right / 2, client.bottom / 2};
  ClientToScreen(window, &off);
  on = ScreenPoint(window, on);
  return [=](int) {
    SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(on.x, on.y));
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(on.x, on.y));
    SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(off.x, off.y));
    SendMessageA(window, WM_NCLBUTTONUP, HTCAPTION, MAKELPARAM(off.x, off.y));
  };
}

int Run() {
  Application().Initialize();
  ProgramFolder folder("korvale-skin-soak");
  PrepareManagerFolder(folder, kPorts);
  ManagerWindow main(folder);
  TForm1& form = main.Form();
  const HWND window = main.Handle();
  if (!SkinnerOf(window)) {
    std::printf("skin soak: the main window was not skinned\n");
    return 2;
  }
  bool flat = Soak("skin switches", 1000, [&](int i) { SwitchSkin(form, i % kStoredSkins); });
  flat &= Soak("menu openings", 1000, [&](int i) { (void)OpenDropDown(window, i % kMenuBarItems); });
  form.Button1Click(nullptr);
  const std::array<void (TForm1::*)(TObject*), 3> ticks = {&TForm1::loginservertimerTimer,
                                                           &TForm1::charservertimerTimer,
                                                           &TForm1::mapservertimerTimer};
  flat &= Soak("supervision ticks", 10000, [&](int i) {
    (form.*ticks[static_cast<std::size_t>(i % 3)])(nullptr);
    Settle();
  });
  form.Button1Click(nullptr);
  flat &= Soak("title-bar hover and press cycles", 500, HoverAndPress(window));
  std::printf("skin soak: %s\n", flat ? "passed" : "FAILED");
  return flat ? 0 : 1;
}

}  // namespace
}  // namespace korvale::testing

int main() { return korvale::testing::Run(); }
