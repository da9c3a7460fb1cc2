// The manager's main window in this process, in a program folder of its own: what its menus
// show when they open, the plain messages' texts, the Run key entry and the tray double
// click. (The end-to-end tests drive the real executable; another process's menus and the
// messages' windowless labels are out of their reach.)
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/ManagerSettings.h"
#include "app/MainForm.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/WinTestSupport.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinStore.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Label.h"
#include "toolkit/Edit.h"
#include "toolkit/Menus.h"
#include "toolkit/Timer.h"
#include "toolkit/TrackBar.h"
#include "toolkit/Registry.h"
#include "tray/CoolTrayIcon.h"

namespace korvale::testing {
namespace {

class MainWindow : public ::testing::Test {
 protected:
  void Open(const std::string& general) {
    folder_.WriteSettings({19701, 19702, 19703}, general);
    folder_.AddServers();
    folder_.AddLamps();
    form_.reset(TForm::Create<TForm1>(static_cast<TComponent*>(nullptr), folder_.Path()));
    ASSERT_FALSE(form_->StartUpFailed());
    Application().SetMainForm(form_.get());
    form_->Show();
    PumpFor(std::chrono::milliseconds(50));
  }

  void TearDown() override {
    if (form_) {
      // Closing the main form would end the application's message loop for later tests.
      Application().SetMainForm(nullptr);
      form_->Close();
      form_.reset();
    }
  }

  // The window's reaction to the menu of this item opening.
  void OpenMenu(TMenuItem* item) {
    SendMessageA(form_->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(item->Handle()), 0);
  }

  // The state the system menu shows for an item of an open menu.
  static UINT ShownState(TMenuItem* item) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    HMENU menu = item->Parent()->Handle();
    EXPECT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(item->MenuIndex()), TRUE, &info));
    return info.fState;
  }
  static bool ShownChecked(TMenuItem* item) { return (ShownState(item) & MFS_CHECKED) != 0; }

  std::vector<std::string> CheckedSkins() {
    std::vector<std::string> checked;
    for (int i = 0; i < form_->S1->Count(); ++i) {
      if (ShownChecked(form_->S1->Items(i))) checked.push_back(form_->S1->Items(i)->Caption());
    }
    return checked;
  }

  ProgramFolder folder_{"korvale-window"};
  std::unique_ptr<TForm1> form_;
};

// The text of the next plain message the window shows, which is then answered with OK.
std::string* seenMessage = nullptr;

void CALLBACK ReadMessage(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = FindWindowA("TMessageForm", nullptr);
  if (!dialog || !IsWindowVisible(dialog) || !seenMessage) return;
  KillTimer(nullptr, id);
  if (auto* message = dynamic_cast<TMessageForm*>(TWinControl::FindControl(dialog))) {
    *seenMessage = message->Message()->Caption();
    message->OkButton()->Click();
  }
}

std::string MessageOf(const std::function<void()>& action) {
  std::string text = "<no message>";
  seenMessage = &text;
  SetTimer(nullptr, 0, 30, ReadMessage);
  action();
  seenMessage = nullptr;
  return text;
}

// The rightmost column of the capture that holds anything but the colour of its right edge.
int LastInkColumn(const PixelBuffer& capture) {
  const std::uint32_t background = capture.At(capture.width - 1, capture.height / 2);
  for (int x = capture.width - 1; x >= 0; --x) {
    for (int y = 0; y < capture.height; ++y) {
      if (capture.At(x, y) != background) return x;
    }
  }
  return -1;
}

// The layout's captions fit the sizes it gives them in the fonts it names: a wider face cuts
// "Login Server" short and runs "Refresh Rate:" into the rate beside it.
TEST_F(MainWindow, EveryCaptionFitsItsControl) {
  Open("");
  for (TCheckBox* box : {form_->loggingcheck, form_->loginservercheck, form_->charservercheck,
                         form_->mapservercheck}) {
    // Widened to the edge of its group and above its siblings, the box shows where its
    // caption would end.
    const int designed = box->Width();
    SetWindowPos(box->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    box->SetWidth(box->Parent()->ClientWidth() - box->Left());
    UpdateWindow(box->Handle());
    const int lastInk = LastInkColumn(CaptureWindow(box->Handle()));
    box->SetWidth(designed);
    EXPECT_GT(lastInk, 0) << box->Caption();
    EXPECT_LT(lastInk, designed - 1) << box->Caption();
  }
  const std::pair<TLabel*, TControl*> rows[] = {
      {form_->Label8, form_->rate}, {form_->Label1, form_->Label2}, {form_->Label7, nullptr}};
  for (const auto& [label, next] : rows) {
    const int right = label->Left() + label->Width();
    EXPECT_LE(right, next ? next->Left() - 2 : label->Parent()->ClientWidth()) << label->Caption();
  }
}

TEST_F(MainWindow, OptionsChecksExactlyTheSkinOfTheIndexAndNoneOutsideTheStore) {
  Open("Skin=2\r\n");
  OpenMenu(form_->Options1);
  EXPECT_EQ(CheckedSkins(), std::vector<std::string>{"XP (Platinum)"});
  form_->skin5->Click();
  EXPECT_EQ(form_->SkinIndex, 5);
  OpenMenu(form_->Options1);
  EXPECT_EQ(CheckedSkins(), std::vector<std::string>{"Whistler"});
  form_->SkinIndex = 9;
  OpenMenu(form_->Options1);
  EXPECT_TRUE(CheckedSkins().empty());
}

TEST_F(MainWindow, TheRateOfTheSettingsIsClampedAndSetsAllThreeTimersUnlessItIsTheDefault) {
  const struct {
    const char* general;
    int position;
    unsigned login, charServer, map;
  } cases[] = {
      {"", 5000, 5000, 5000, 50000},
      {"Rate=5000\r\n", 5000, 5000, 5000, 50000},
      {"Rate=3000\r\n", 3000, 3000, 3000, 3000},
      {"Rate=20000\r\n", 10000, 10000, 10000, 10000},
      {"Rate=10\r\n", 1000, 1000, 1000, 1000},
  };
  for (const auto& c : cases) {
    Open(c.general);
    EXPECT_EQ(form_->rateslider->Position(), c.position) << c.general;
    EXPECT_EQ(form_->loginservertimer->Interval(), c.login) << c.general;
    EXPECT_EQ(form_->charservertimer->Interval(), c.charServer) << c.general;
    EXPECT_EQ(form_->mapservertimer->Interval(), c.map) << c.general;
    EXPECT_FALSE(form_->loginservertimer->Enabled()) << "nothing is active at start";
    TearDown();
  }
}

// Whether the window's skin component holds the stream of stored skin k.
bool HoldsStoredSkin(TForm1& form, int k) {
  TMemoryStream stored;
  form.SkinStore1->Store()->Item(k)->CopyDataTo(stored);
  const TMemoryStream& held = form.SkinData1->SkinStream;
  return held.Size() == stored.Size() &&
         std::equal(stored.Memory(), stored.Memory() + stored.Size(), held.Memory());
}

TEST_F(MainWindow, TheStoredSkinOfTheSettingsIsLoadedAndAMenuChoiceLoadsAnother) {
  Open("Skin=1\r\n");
  ASSERT_EQ(form_->SkinStore1->Store()->Count(), 6);
  EXPECT_TRUE(form_->SkinData1->Active());
  EXPECT_TRUE(HoldsStoredSkin(*form_, 1));
  EXPECT_FALSE(form_->SkinData1->SkinEmpty);
  form_->skin3->Click();
  EXPECT_EQ(form_->SkinIndex, 3);
  EXPECT_TRUE(HoldsStoredSkin(*form_, 3));
  EXPECT_FALSE(form_->SkinData1->SkinEmpty);
}

TEST_F(MainWindow, AnIndexOutsideTheStoreKeepsTheBuiltInSkin) {
  Open("Skin=9\r\n");
  EXPECT_EQ(form_->SkinIndex, 9);
  // The built-in skin is a copy of the stored "Blue".
  EXPECT_TRUE(HoldsStoredSkin(*form_, 4));
  EXPECT_FALSE(form_->SkinData1->SkinEmpty);
}

TEST_F(MainWindow, OpeningTheSkinsMenuShowsTheIndexAndHelpSaysNotAvailable) {
  Open("");
  EXPECT_EQ(MessageOf([&] { OpenMenu(form_->S1); }), "4");
  form_->SkinIndex = 9;
  EXPECT_EQ(MessageOf([&] { OpenMenu(form_->S1); }), "9");
  EXPECT_EQ(MessageOf([&] { form_->Documentation1->Click(); }), "Not Available ATM.");
}

TEST_F(MainWindow, ServerMenusFollowTheCheckBoxesOnlyWhenTheyOpen) {
  Open("");
  for (TMenuItem* item : {form_->LoginServer1, form_->CharServer1, form_->MapServer1,
                          form_->loginservermenu, form_->charservermenu, form_->mapservermenu}) {
    EXPECT_TRUE(item->Checked()) << item->Caption();
  }
  // The main menu's Ctrl+2 and the tray menu's item both invert a check box.
  form_->CharServer1->Click();
  EXPECT_FALSE(form_->charservercheck->Checked());
  form_->mapservermenu->Click();
  EXPECT_FALSE(form_->mapservercheck->Checked());
  EXPECT_TRUE(ShownChecked(form_->CharServer1));
  EXPECT_TRUE(ShownChecked(form_->mapservermenu));

  OpenMenu(form_->Servers2);
  EXPECT_TRUE(ShownChecked(form_->LoginServer1));
  EXPECT_FALSE(ShownChecked(form_->CharServer1));
  EXPECT_FALSE(ShownChecked(form_->MapServer1));
  EXPECT_TRUE(ShownChecked(form_->mapservermenu));  // the tray menu has not opened yet

  form_->loginservermenu->Click();
  OpenMenu(form_->Servers1);
  EXPECT_FALSE(ShownChecked(form_->loginservermenu));
  EXPECT_FALSE(ShownChecked(form_->charservermenu));
  EXPECT_FALSE(ShownChecked(form_->mapservermenu));
  EXPECT_FALSE(form_->loginservercheck->Checked());
}

TEST_F(MainWindow, RunOnStartupTogglesTheRunKeyValueAndItsCheckMark) {
  TRegistry registry(KEY_ALL_ACCESS);
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(registry.OpenKey(kRunKey, true));
  if (registry.ValueExists("brix")) (void)registry.DeleteValue("brix");
  Open("");

  OpenMenu(form_->Options1);
  EXPECT_EQ(ShownState(form_->AutorunOnStartUp1) & (MFS_CHECKED | MFS_DISABLED), MFS_DISABLED);
  form_->AutorunOnStartUp1Click(nullptr);
  ASSERT_TRUE(registry.ValueExists("brix"));
  EXPECT_EQ(registry.ReadString("brix"), folder_.Path() + "\\autorun.exe");
  OpenMenu(form_->Options1);
  EXPECT_EQ(ShownState(form_->AutorunOnStartUp1) & (MFS_CHECKED | MFS_DISABLED),
            MFS_CHECKED | MFS_DISABLED);

  form_->AutorunOnStartUp1Click(nullptr);
  EXPECT_FALSE(registry.ValueExists("brix"));
  OpenMenu(form_->Options1);
  EXPECT_FALSE(ShownChecked(form_->AutorunOnStartUp1));
}

TEST_F(MainWindow, TrayDoubleClickHidesTheWindowAndBringsItBack) {
  Open("");
  ASSERT_TRUE(form_->trayicon->IconVisible());
  EXPECT_EQ(form_->trayicon->Hint(), "Right-Click for menu, Double click to show/hide the manager");
  EXPECT_EQ(form_->trayicon->PopupMenu(), form_->PopupMenu1);
  EXPECT_FALSE(form_->trayicon->Icon().Empty());
  const auto doubleClick = [&] {
    SendMessageA(TTrayIconHandler::Handle(), TCoolTrayIcon::TrayCallbackMessage,
                 form_->trayicon->IconData().uID, WM_LBUTTONDBLCLK);
    PumpFor(std::chrono::milliseconds(50));
  };
  doubleClick();
  EXPECT_FALSE(IsWindowVisible(form_->Handle()));
  EXPECT_FALSE(IsWindowVisible(Application().Handle()));  // no taskbar button
  doubleClick();
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));
  EXPECT_TRUE(form_->Visible());
}

TEST_F(MainWindow, MinimizingGoesToTheTrayAndTheTrayMenuBringsTheWindowBack) {
  Open("");
  SendMessageA(form_->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  PumpFor(std::chrono::milliseconds(100));
  EXPECT_FALSE(IsWindowVisible(form_->Handle()));
  EXPECT_FALSE(IsWindowVisible(Application().Handle()));
  EXPECT_TRUE(form_->trayicon->IconVisible());
  form_->Show1->Click();
  PumpFor(std::chrono::milliseconds(100));
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));
  EXPECT_FALSE(IsIconic(form_->Handle()));
  form_->ShowHide1->Click();
  PumpFor(std::chrono::milliseconds(50));
  EXPECT_FALSE(IsWindowVisible(form_->Handle()));
  form_->trayiconDblClick(nullptr);
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));
}

// Records the errors the application would show in its error dialog.
struct ErrorRecorder {
  ErrorRecorder() { Application().OnException = TExceptionEvent(this, &ErrorRecorder::Record); }
  ~ErrorRecorder() { Application().OnException = TExceptionEvent(); }
  void Record(TObject*, const std::exception& error) { errors.push_back(error.what()); }
  std::vector<std::string> errors;
};

TEST_F(MainWindow, ASettingsFileThatCannotBeWrittenKeepsTheWindowOpenAndTheFileAsItWas) {
  Open("Rate=3000\r\n");
  const std::string before = ReadFile(folder_.File("korvale.ini"));
  ErrorRecorder recorder;
  {
    HeldFile held(folder_.File("korvale.ini"));
    ASSERT_TRUE(held.Held());
    SendMessageA(form_->Handle(), WM_CLOSE, 0, 0);
  }
  ASSERT_EQ(recorder.errors.size(), 1u);
  EXPECT_EQ(recorder.errors[0], "Unable to write to " + folder_.File("korvale.ini"));
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));
  EXPECT_EQ(ReadFile(folder_.File("korvale.ini")), before);
}

TEST_F(MainWindow, ALogFileThatCannotBeWrittenKeepsTheLogView) {
  Open("");
  form_->log->SetText("[time]Status: Login Server is Starting.");
  const auto type = [&](char key) {
    SendMessageA(form_->log->Handle(), WM_CHAR, static_cast<WPARAM>(key), 1);
  };
  ErrorRecorder recorder;
  {
    HeldFile held(folder_.File("korvale.log"));
    ASSERT_TRUE(held.Held());
    type('x');
  }
  ASSERT_EQ(recorder.errors.size(), 1u);
  EXPECT_EQ(recorder.errors[0], "Cannot create file \"" + folder_.File("korvale.log") + "\"");
  const std::string kept = form_->log->Text();
  EXPECT_NE(kept.find("[time]Status: Login Server is Starting."), std::string::npos);
  EXPECT_NE(kept.find('x'), std::string::npos);
  // The next change writes the whole view again.
  type('y');
  EXPECT_EQ(ReadFile(folder_.File("korvale.log")), form_->log->Text() + "\r\n");
}

TEST(ManagerStartUp, OnlyTheNtFamilyMayRunTheManager) {
  const std::string message =
      "You must be running WinNT in order to load this application.\r\nTerminating...";
  EXPECT_EQ(CheckPlatform(VER_PLATFORM_WIN32s), message);
  EXPECT_EQ(CheckPlatform(VER_PLATFORM_WIN32_WINDOWS), message);
  EXPECT_EQ(CheckPlatform(VER_PLATFORM_WIN32_NT), std::nullopt);
  EXPECT_EQ(CheckSystemVersion(), std::nullopt) << "this system is of the NT family";
}

}  // namespace
}  // namespace korvale::testing
