#pragma once

// The real main window in this process, for the figures programs (benchmarks, soak,
// pictures): made from its own description in a program folder whose settings point every
// server at 127.0.0.1, shown, and freed with the skin manager when it goes.
#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "tests/support/ProgramFolder.h"

namespace korvale {
class TForm1;
class TWinSkinForm;
}  // namespace korvale

namespace korvale::testing {

class ManagerWindow {
 public:
  // With skinned = false, SkinData1 is made inactive before the window shows.
  explicit ManagerWindow(const ProgramFolder& folder, bool skinned = true);
  ~ManagerWindow();
  ManagerWindow(const ManagerWindow&) = delete;
  ManagerWindow& operator=(const ManagerWindow&) = delete;

  TForm1& Form() const { return *form_; }
  HWND Handle() const;

 private:
  std::unique_ptr<TForm1> form_;
};

// A program folder with stand-in servers and lamps, settings on the given loopback ports.
void PrepareManagerFolder(const ProgramFolder& folder, const std::array<int, 3>& ports,
                          const std::string& general = "");

// Dispatches until the queue is empty: every paint the windows owe has been done.
void Settle();

// The frame skinner of a window, or null.
TWinSkinForm* SkinnerOf(HWND window);

// Carries out the skin manager's pending request now instead of at its timer, then settles.
void ApplyPendingSkinAction();

inline constexpr int kStoredSkins = 6;
// The name the Options menu gives stored skin `index`.
std::string SkinName(const TForm1& form, int index);

// Stored skin `index` chosen from the Options menu, applied and repainted.
void SwitchSkin(TForm1& form, int index);

// SkinData1 switched on or off, applied and repainted.
void SetSkinned(TForm1& form, bool skinned);

// Opens drop-down `index` of the window's menu bar (the skinned bar's or the native one's),
// calls `whileOpen` with the menu window once it has shown and painted, and ends the menu.
// Answers whether a menu window showed.
bool OpenDropDown(HWND window, int index, const std::function<void(HWND menu)>& whileOpen = {});

}  // namespace korvale::testing
