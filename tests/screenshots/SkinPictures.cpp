// Pictures of the real windows in each bundled skin, or in one skin file given as the
// argument: the main window, the About dialog, a message, an open drop-down and the control
// gallery, written as PPM files into the working folder for scripts/screenshots.sh to turn
// into PNGs and a contact sheet.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <memory>
#include <string>

#include "app/AboutForm.h"
#include "app/MainForm.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinReader.h"
#include "skin/forms/WinSkinForm.h"
#include "tests/support/LoopTicker.h"
#include "tests/support/WinTestSupport.h"
#include "tests/support/WindowRegion.h"
#include "tests/support/app/ManagerWindow.h"
#include "tests/win/SkinGallery.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Menus.h"

namespace korvale::testing {
namespace {

constexpr std::array<int, 3> kPorts = {19821, 19822, 19823};
constexpr int kOptionsMenu = 2;
// What shows around a drop-down that reaches past its window.
constexpr std::uint32_t kDesktop = 0x3A6EA5;

bool WritePicture(const std::string& name, const PixelBuffer& picture) {
  std::FILE* file = std::fopen((name + ".ppm").c_str(), "wb");
  if (!file) return false;
  std::fprintf(file, "P6\n%d %d\n255\n", picture.width, picture.height);
  for (const std::uint32_t pixel : picture.pixels) {
    const unsigned char rgb[3] = {static_cast<unsigned char>(pixel >> 16), static_cast<unsigned char>(pixel >> 8),
                                  static_cast<unsigned char>(pixel)};
    std::fwrite(rgb, 1, sizeof rgb, file);
  }
  return std::fclose(file) == 0;
}

// The window as the screen shows it: what its region cuts away shows the desktop.
PixelBuffer CaptureAsShown(HWND window) {
  PixelBuffer picture = CaptureWindow(window, false);
  const WindowRegion region(window);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      if (!region.Contains(x, y)) picture.pixels[static_cast<std::size_t>(y) * picture.width + x] = kDesktop;
    }
  }
  return picture;
}

// The window and the menu window over it, as the screen shows them.
PixelBuffer CaptureWithMenu(HWND window, HWND menu) {
  RECT w{}, m{};
  GetWindowRect(window, &w);
  GetWindowRect(menu, &m);
  RECT all{};
  UnionRect(&all, &w, &m);
  PixelBuffer picture{all.right - all.left, all.bottom - all.top, {}};
  picture.pixels.assign(static_cast<std::size_t>(picture.width) * picture.height, kDesktop);
  const auto paste = [&](const PixelBuffer& part, const RECT& at) {
    for (int y = 0; y < part.height; ++y) {
      std::copy_n(&part.pixels[static_cast<std::size_t>(y) * part.width], part.width,
                  &picture.pixels[static_cast<std::size_t>(y + at.top - all.top) * picture.width + at.left - all.left]);
    }
  };
  paste(CaptureAsShown(window), w);
  paste(CaptureAsShown(menu), m);
  return picture;
}

bool Skinned(HWND window) {
  const TWinSkinForm* skinner = SkinnerOf(window);
  return skinner && skinner->SkinState() == 1;
}

// The window once the skin manager has skinned it (or has left it native) and it has painted.
PixelBuffer CaptureShown(HWND window) {
  (void)WaitFor([&] { return Skinned(window); }, std::chrono::seconds(3));
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Settle();
  return CaptureAsShown(window);
}

PixelBuffer CaptureForm(TForm& form) {
  form.Show();
  SetForegroundWindow(form.Handle());
  PixelBuffer picture = CaptureShown(form.Handle());
  form.Hide();
  Settle();
  return picture;
}

// The message the Help menu's Documentation item shows, captured inside its modal loop.
PixelBuffer CaptureMessage(TForm1& main) {
  PixelBuffer picture;
  LoopTicker ticker([&] {
    HWND dialog = FindThreadWindow("TMessageForm");
    auto* message = dialog ? dynamic_cast<TMessageForm*>(TWinControl::FindControl(dialog)) : nullptr;
    if (!message || !picture.pixels.empty()) return;
    picture = CaptureShown(dialog);
    message->OkButton()->Click();
  });
  main.Documentation1->Click();
  return picture;
}

// Loads the skin file; what the skin engine would say about it in a dialog is printed
// instead, so that a damaged file ends the run rather than waiting for a hand.
void LoadSkinFile(TForm1& main, const std::string& path) {
  const TSkinMessageSink shown = SetSkinMessageSink(
      [](const std::string& text) { std::printf("screenshots: the skin engine says: %s\n", text.c_str()); });
  main.SkinData1->SetSkinFile(path);
  ApplyPendingSkinAction();
  SetSkinMessageSink(shown);
}

// File names keep letters and digits: "XP (Blue)" becomes "XP-Blue".
std::string FileNameOf(const std::string& skin) {
  std::string name;
  for (const char c : skin) {
    if (std::isalnum(static_cast<unsigned char>(c))) name += c;
    else if (!name.empty() && name.back() != '-') name += '-';
  }
  while (!name.empty() && name.back() == '-') name.pop_back();
  return name.empty() ? "skin" : name;
}

int Run(int argc, char** argv) {
  Application().Initialize();
  ProgramFolder folder("korvale-pictures");
  PrepareManagerFolder(folder, kPorts);
  ManagerWindow main(folder);
  TForm1& form = main.Form();
  std::unique_ptr<TForm2> about(TForm::Create<TForm2>(static_cast<TComponent*>(nullptr)));
  std::unique_ptr<TGalleryForm> gallery(TForm::Create<TGalleryForm>(static_cast<TComponent*>(nullptr)));
  const bool ownSkin = argc > 1;
  int failures = 0;
  for (int k = 0; k < (ownSkin ? 1 : kStoredSkins); ++k) {
    std::string name;
    if (ownSkin) {
      LoadSkinFile(form, argv[1]);
      if (form.SkinData1->SkinEmpty) {
        std::printf("screenshots: %s holds no skin this program can read\n", argv[1]);
        return 1;
      }
      std::string base = argv[1];
      base = base.substr(base.find_last_of("\\/") + 1);
      name = FileNameOf(base.substr(0, base.find_last_of('.')));
    } else {
      SwitchSkin(form, k);
      name = FileNameOf(SkinName(form, k));
    }
    SetForegroundWindow(main.Handle());
    PixelBuffer dropDown;
    const bool opened = OpenDropDown(main.Handle(), kOptionsMenu,
                                     [&](HWND menu) { dropDown = CaptureWithMenu(main.Handle(), menu); });
    const std::pair<const char*, PixelBuffer> pictures[] = {
        {"1-main", CaptureShown(main.Handle())},
        {"2-about", CaptureForm(*about)},
        {"3-message", CaptureMessage(form)},
        {"4-dropdown", opened ? dropDown : PixelBuffer{}},
        {"5-gallery", CaptureForm(*gallery)},
    };
    for (const auto& [what, picture] : pictures) {
      const std::string file = name + "-" + what;
      if (picture.pixels.empty() || !WritePicture(file, picture)) {
        std::printf("screenshots: no picture %s\n", file.c_str());
        ++failures;
      }
    }
    std::printf("screenshots: %s\n", name.c_str());
    std::fflush(stdout);
  }
  return failures == 0 ? 0 : 1;
}

}  // namespace
}  // namespace korvale::testing

int main(int argc, char** argv) { return korvale::testing::Run(argc, argv); }
