#include "tests/support/app/ManagerWindow.h"

#include <cctype>
#include <chrono>

#include "app/MainForm.h"
#include "skin/data/SkinData.h"
#include "skin/forms/SkinManager.h"
#include "skin/forms/WinSkinForm.h"
#include "skin/forms/WinSkinMenu.h"
#include "tests/support/LoopTicker.h"
#include "tests/support/WinTestSupport.h"
#include "toolkit/Application.h"
#include "toolkit/GdiHandles.h"
#include "toolkit/Menus.h"

namespace korvale::testing {

ManagerWindow::ManagerWindow(const ProgramFolder& folder, bool skinned)
    : form_(TForm::Create<TForm1>(static_cast<TComponent*>(nullptr), folder.Path())) {
  if (!skinned) form_->SkinData1->SetActive(false);
  Application().SetMainForm(form_.get());
  form_->Show();
  Settle();
}

ManagerWindow::~ManagerWindow() {
  // Closing the main form would end the application's message loop for what follows.
  Application().SetMainForm(nullptr);
  form_->Close();
  form_.reset();
  FreeSkinManager();
}

HWND ManagerWindow::Handle() const { return form_->Handle(); }

void PrepareManagerFolder(const ProgramFolder& folder, const std::array<int, 3>& ports,
                          const std::string& general) {
  folder.WriteSettings(ports, general);
  folder.AddServers();
  folder.AddLamps();
}

void Settle() {
  (void)WaitFor([] {
    MSG msg;
    return !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
  });
}

TWinSkinForm* SkinnerOf(HWND window) {
  return SkinManager() ? SkinManager()->FindSkinForm(window) : nullptr;
}

void ApplyPendingSkinAction() {
  if (TSkinManage* manager = SkinManager(); manager && manager->CurrentSkinData()) {
    manager->DoPendingAction();
  }
  Settle();
}

namespace {

TMenuItem* SkinItem(const TForm1& form, int index) {
  TMenuItem* const items[] = {form.skin0, form.skin1, form.skin2, form.skin3, form.skin4, form.skin5};
  return items[index];
}

}  // namespace

std::string SkinName(const TForm1& form, int index) { return SkinItem(form, index)->Caption(); }

void SwitchSkin(TForm1& form, int index) {
  SkinItem(form, index)->Click();
  ApplyPendingSkinAction();
}

void SetSkinned(TForm1& form, bool skinned) {
  form.SkinData1->SetActive(skinned);
  ApplyPendingSkinAction();
}

namespace {

// The drop-down being opened: the menu loop tells its owner when it first waits for input,
// which is after the menu window has shown and painted.
struct OpenDropDownState {
  const std::function<void(HWND)>* whileOpen = nullptr;
  bool shown = false;
};
OpenDropDownState* openDropDown = nullptr;

LRESULT CALLBACK WatchForIdleMenu(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && openDropDown && sent->message == WM_ENTERIDLE && sent->wParam == MSGF_MENU) {
    if (HWND menu = FindThreadWindow("#32768"); menu && !openDropDown->shown) {
      openDropDown->shown = true;
      if (*openDropDown->whileOpen) (*openDropDown->whileOpen)(menu);
    }
    EndMenu();
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The accelerator letter of native menu-bar item `index`, or 0.
char NativeAccelerator(HWND window, int index) {
  char text[128] = {};
  GetMenuStringA(GetMenu(window), static_cast<UINT>(index), text, sizeof text, MF_BYPOSITION);
  for (const char* c = text; *c; ++c) {
    if (c[0] == '&' && c[1] && c[1] != '&') return static_cast<char>(std::tolower(static_cast<unsigned char>(c[1])));
  }
  return 0;
}

}  // namespace

bool OpenDropDown(HWND window, int index, const std::function<void(HWND)>& whileOpen) {
  OpenDropDownState state{&whileOpen};
  openDropDown = &state;
  const UniqueHook hook(SetWindowsHookExA(WH_CALLWNDPROC, WatchForIdleMenu, nullptr, GetCurrentThreadId()));
  // A menu that never goes idle is ended anyway, so a run cannot hang in its loop.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  LoopTicker watchdog([&] {
    if (std::chrono::steady_clock::now() > deadline) EndMenu();
  }, 500);
  TWinSkinForm* skinner = SkinnerOf(window);
  if (skinner && skinner->MenuBar() && index < static_cast<int>(skinner->MenuBar()->Buttons().size())) {
    skinner->PostMenuButtonClick(skinner->MenuBar()->Buttons()[static_cast<std::size_t>(index)].get());
  } else {
    PostMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, NativeAccelerator(window, index));
  }
  Settle();
  openDropDown = nullptr;
  return state.shown;
}

}  // namespace korvale::testing
