#pragma once

// The real main window in a program folder of its own (stand-in servers, lamps, settings on
// loopback, made once for every opening), skinned by its own skin data through a fresh process-wide skin manager, as the
// program starts it. Fixtures hold one as `main_`; `main_->` reaches the TForm1.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "app/MainForm.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinStore.h"
#include "skin/forms/SkinManager.h"
#include "skin/forms/WinSkinForm.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/WinTestSupport.h"
#include "tests/support/skin/SkinActionWait.h"
#include "toolkit/Application.h"

namespace korvale::testing {

class RealMainWindow {
 public:
  RealMainWindow(const std::string& folderPrefix, std::array<int, 3> ports) : folder_(folderPrefix) {
    folder_.WriteSettings(ports, "");
    folder_.AddServers();
    folder_.AddLamps();
  }
  ~RealMainWindow() { Close(); }
  RealMainWindow(const RealMainWindow&) = delete;
  RealMainWindow& operator=(const RealMainWindow&) = delete;

  // Creates and shows the window and waits until its frame skinner is attached.
  void Open() {
    FreeSkinManager();
    form_.reset(TForm::Create<TForm1>(static_cast<TComponent*>(nullptr), folder_.Path()));
    ASSERT_FALSE(form_->StartUpFailed());
    Application().SetMainForm(form_.get());
    form_->Show();
    SetForegroundWindow(form_->Handle());
    ASSERT_TRUE(WaitFor([&] { return Skinner() && Skinner()->SkinState() == 1; }));
  }
  // Closes and frees the window, then the skin manager; nothing when not open.
  void Close() {
    if (!form_) return;
    Application().SetMainForm(nullptr);
    form_->Close();
    form_.reset();
    FreeSkinManager();
  }

  TForm1* operator->() const { return form_.get(); }
  TForm1* get() const { return form_.get(); }
  TSkinData& Skin() const { return *form_->SkinData1; }

  static TWinSkinForm* SkinnerOf(HWND window) {
    return SkinManager() ? SkinManager()->FindSkinForm(window) : nullptr;
  }
  TWinSkinForm* Skinner() const { return SkinnerOf(form_->Handle()); }

  // Loads bundled skin n from the window's store, or switches skinning, and waits until the
  // skin manager has carried the deferred request out.
  void Switch(int n) {
    Skin().LoadFromStore(form_->SkinStore1, n);
    ASSERT_TRUE(WaitForSkinAction());
  }
  void SetActive(bool on) {
    Skin().SetActive(on);
    ASSERT_TRUE(WaitForSkinAction());
  }

 private:
  ProgramFolder folder_;
  std::unique_ptr<TForm1> form_;
};

}  // namespace korvale::testing
