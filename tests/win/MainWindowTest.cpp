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
#include "app/AboutForm.h"
#include "app/MainForm.h"
#include "app/MainFormServices.h"
#include "app/process/ProcessViewer.h"
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
#include "toolkit/Form.h"
#include "toolkit/GroupBox.h"
#include "toolkit/Image.h"
#include "toolkit/ImageList.h"
#include "toolkit/PageControl.h"
#include "toolkit/Bevel.h"
#include "toolkit/SpinEdit.h"
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
  const auto shown = [&] {
    OpenMenu(form_->Options1);
    return ShownState(form_->AutorunOnStartUp1) & (MFS_CHECKED | MFS_DISABLED);
  };
  // The unquoted value of earlier versions is read back as the entry: checked, and removed
  // by the click.
  registry.WriteString("brix", folder_.Path() + "\\autorun.exe");
  Open("");
  EXPECT_EQ(shown(), MFS_CHECKED | MFS_DISABLED);
  form_->AutorunOnStartUp1Click(nullptr);
  EXPECT_FALSE(registry.ValueExists("brix"));
  EXPECT_EQ(shown(), MFS_DISABLED);

  // Written quoted, so a folder with a blank cannot start a program named after its first
  // part.
  form_->AutorunOnStartUp1Click(nullptr);
  ASSERT_TRUE(registry.ValueExists("brix"));
  EXPECT_EQ(registry.ReadString("brix"), "\"" + folder_.Path() + "\\autorun.exe\"");
  EXPECT_EQ(shown(), MFS_CHECKED | MFS_DISABLED);
  form_->AutorunOnStartUp1Click(nullptr);
  EXPECT_FALSE(registry.ValueExists("brix"));
}

TEST_F(MainWindow, ALampFileThatCannotBeReadKeepsThePicture) {
  Open("");
  MainFormServices services(*form_);
  TBitmap& lamp = form_->loginserverbitmap->Picture();
  const auto centre = [&] { return lamp.Empty() ? CLR_INVALID : GetPixel(lamp.MemoryDC(), 7, 7); };
  services.ShowLamp(ServerId::Login, folder_.File("green.bmp"));
  ASSERT_EQ(centre(), RGB(0, 255, 0));

  folder_.Write("broken.bmp", "BM and nothing a picture needs");
  ASSERT_TRUE(CreateDirectoryA(folder_.File("folder.bmp").c_str(), nullptr));
  for (const char* file : {"absent.bmp", "broken.bmp", "folder.bmp"}) {
    services.ShowLamp(ServerId::Login, folder_.File(file));
    EXPECT_EQ(centre(), RGB(0, 255, 0)) << file;
  }
  {
    HeldFile held(folder_.File("red.bmp"));
    ASSERT_TRUE(held.Held());
    services.ShowLamp(ServerId::Login, folder_.File("red.bmp"));
    EXPECT_EQ(centre(), RGB(0, 255, 0)) << "a file another program holds";
  }
  services.ShowLamp(ServerId::Login, folder_.File("yellow.bmp"));
  EXPECT_EQ(centre(), RGB(255, 255, 0));
  EXPECT_TRUE(lamp.Transparent());
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
    // The file follows within a second of the last write.
    EXPECT_TRUE(WaitFor([&] { return !recorder.errors.empty(); }));
  }
  ASSERT_EQ(recorder.errors.size(), 1u);
  EXPECT_EQ(recorder.errors[0], "Cannot create file \"" + folder_.File("korvale.log") + "\"");
  const std::string kept = form_->log->Text();
  EXPECT_NE(kept.find("[time]Status: Login Server is Starting."), std::string::npos);
  EXPECT_NE(kept.find('x'), std::string::npos);
  // The next change writes the whole view again.
  type('y');
  EXPECT_TRUE(WaitFor([&] { return ReadFile(folder_.File("korvale.log")) == form_->log->Text() + "\r\n"; }));
}

// Every item below the menu item, depth first: its path, then its shortcut, image, check
// mark and disabled state where it has them.
void DescribeMenu(TMenuItem* parent, const std::string& path, std::vector<std::string>& out) {
  for (int i = 0; i < parent->Count(); ++i) {
    TMenuItem* item = parent->Items(i);
    std::string line = path + item->Caption();
    if (item->ShortCut() != scNone) line += " key=" + std::to_string(item->ShortCut());
    if (item->ImageIndex() >= 0) line += " image=" + std::to_string(item->ImageIndex());
    if (item->Checked()) line += " checked";
    if (!item->Enabled()) line += " disabled";
    out.push_back(line);
    DescribeMenu(item, path + item->Caption() + " / ", out);
  }
}

std::vector<std::string> DescribeMenu(TMenu* menu) {
  std::vector<std::string> out;
  DescribeMenu(menu->Items(), "", out);
  return out;
}

struct Placement {
  TControl* control;
  TWinControl* parent;
  int left, top, width, height;  // -1: the size follows the text
  const char* caption;
};

void ExpectPlacements(const std::vector<Placement>& rows) {
  for (const Placement& row : rows) {
    SCOPED_TRACE(row.caption);
    ASSERT_NE(row.control, nullptr);
    EXPECT_EQ(row.control->Parent(), row.parent);
    const int width = row.width < 0 ? -1 : row.control->Width();
    const int height = row.height < 0 ? -1 : row.control->Height();
    EXPECT_EQ(std::vector<int>({row.control->Left(), row.control->Top(), width, height}),
              std::vector<int>({row.left, row.top, row.width, row.height}));
    EXPECT_EQ(*row.caption ? row.control->Caption() : "", row.caption);
  }
}

TEST_F(MainWindow, TheWindowDescriptionGivesTheDesignedLayoutMenusAndAboutDialog) {
  Open("");
  TForm1& f = *form_;
  EXPECT_EQ(f.Caption(), "Korvale Server Manager v2.1 RC1");
  EXPECT_EQ(f.BorderStyle(), TFormBorderStyle::bsSingle);
  EXPECT_EQ(f.Left(), 237);
  EXPECT_EQ(f.Top(), 139);
  EXPECT_EQ(f.ClientWidth(), 426);
  EXPECT_EQ(f.ClientHeight(), 329);
  EXPECT_EQ(f.Font().Name(), "MS Sans Serif");
  EXPECT_EQ(f.Font().Size(), 8);
  ExpectPlacements({
      {f.GroupBox1, &f, 8, 0, 265, 153, "Servers"},
      {f.Image1, f.GroupBox1, 8, 16, 75, 100, ""},
      {f.Bevel1, f.GroupBox1, 8, 16, 75, 100, ""},
      {f.PageControl1, f.GroupBox1, 88, 16, 169, 73, ""},
      {f.TabSheet1, f.PageControl1, f.TabSheet1->Left(), f.TabSheet1->Top(), -1, -1, "Login"},
      {f.TabSheet2, f.PageControl1, f.TabSheet2->Left(), f.TabSheet2->Top(), -1, -1, "Char"},
      {f.TabSheet3, f.PageControl1, f.TabSheet3->Left(), f.TabSheet3->Top(), -1, -1, "Map"},
      {f.Label1, f.TabSheet1, 8, 0, -1, -1, "IP Address:"},
      {f.loginserveraddress, f.TabSheet1, 8, 16, 81, 21, ""},
      {f.Label2, f.TabSheet1, 96, 0, -1, -1, "Port:"},
      {f.loginserverport, f.TabSheet1, 96, 16, 57, 22, ""},
      {f.Label3, f.TabSheet2, 8, 0, -1, -1, "IP Address:"},
      {f.charserveraddress, f.TabSheet2, 8, 16, 81, 21, ""},
      {f.Label4, f.TabSheet2, 96, 0, -1, -1, "Port:"},
      {f.charserverport, f.TabSheet2, 96, 16, 57, 22, ""},
      {f.Label5, f.TabSheet3, 8, 0, -1, -1, "IP Address:"},
      {f.mapserveraddress, f.TabSheet3, 8, 16, 81, 21, ""},
      {f.Label6, f.TabSheet3, 96, 0, -1, -1, "Port:"},
      {f.mapserverport, f.TabSheet3, 96, 16, 57, 22, ""},
      {f.GroupBox2, f.GroupBox1, 88, 89, 49, 56, "Login"},
      {f.loginserverbitmap, f.GroupBox2, 17, 16, 14, 14, ""},
      {f.loginserverstatus, f.GroupBox2, 16, 32, -1, -1, "Off"},
      {f.GroupBox3, f.GroupBox1, 144, 89, 49, 56, "Char"},
      {f.charserverbitmap, f.GroupBox3, 17, 16, 14, 14, ""},
      {f.charserverstatus, f.GroupBox3, 16, 32, -1, -1, "Off"},
      {f.GroupBox4, f.GroupBox1, 200, 89, 49, 56, "Map"},
      {f.mapserverbitmap, f.GroupBox4, 17, 16, 14, 14, ""},
      {f.mapserverstatus, f.GroupBox4, 16, 32, -1, -1, "Off"},
      {f.loggingcheck, f.GroupBox1, 16, 128, 65, 17, "Logging"},
      {f.GroupBox5, &f, 280, 0, 137, 153, "Available Servers"},
      {f.loginservercheck, f.GroupBox5, 16, 16, 81, 17, "Login Server"},
      {f.charservercheck, f.GroupBox5, 16, 32, 81, 17, "Char Server"},
      {f.mapservercheck, f.GroupBox5, 16, 48, 81, 17, "Map Server"},
      {f.Label7, f.GroupBox5, 13, 64, -1, -1, "With selected:"},
      {f.Button1, f.GroupBox5, 16, 80, 89, 17, "Activate"},
      {f.Label8, f.GroupBox5, 8, 104, -1, -1, "Refresh Rate:"},
      {f.rate, f.GroupBox5, 80, 104, -1, -1, "5000ms"},
      {f.rateslider, f.GroupBox5, 8, 120, 121, 17, ""},
      {f.GroupBox6, &f, 8, 160, 409, 161, "Log"},
      {f.log, f.GroupBox6, 8, 16, 393, 137, ""},
  });
  EXPECT_EQ(f.loginserveraddress->Text(), "127.0.0.1") << "from the settings, over '192.168.0.2'";
  EXPECT_TRUE(f.Button1->Default());
  EXPECT_EQ(f.log->ScrollBars(), TScrollStyle::ssVertical);
  EXPECT_TRUE(f.log->Text().empty());
  EXPECT_TRUE(f.loginserverbitmap->Center() && f.loginserverbitmap->Transparent());
  EXPECT_EQ(std::vector<int>({f.rateslider->Min(), f.rateslider->Max(), f.rateslider->Position(),
                              f.rateslider->Frequency(), f.rateslider->LineSize()}),
            std::vector<int>({1000, 10000, 5000, 1000, 2}));
  EXPECT_EQ(std::vector<int>({f.ImageList1->Count(), f.ImageList1->Width(), f.ImageList1->Height()}),
            std::vector<int>({5, 16, 16}));

  const std::string ctrlEnter = std::to_string(scCtrl | VK_RETURN);
  const auto ctrl = [](char digit) { return std::to_string(scCtrl | digit); };
  EXPECT_EQ(DescribeMenu(f.MainMenu1), (std::vector<std::string>{
      "&File",
      "&File / &Activate/Deactivate key=" + ctrlEnter + " image=1",
      "&File / -",
      "&File / &Close image=0",
      "&Servers",
      "&Servers / &Login Server key=" + ctrl('1') + " checked",
      "&Servers / &Char Server key=" + ctrl('2') + " checked",
      "&Servers / &Map Server key=" + ctrl('3') + " checked",
      "&Options",
      "&Options / &Skins",
      "&Options / &Skins / Blue",
      "&Options / &Skins / MacOS",
      "&Options / &Skins / XP (Blue)",
      "&Options / &Skins / XP (Platinum)",
      "&Options / &Skins / XP (Forest Green)",
      "&Options / &Skins / Whistler",
      "&Options / &Run On Startup disabled",
      "&Help",
      "&Help / &Documentation image=4",
      "&Help / &About Brix image=3",
  }));
  EXPECT_EQ(DescribeMenu(f.PopupMenu1), (std::vector<std::string>{
      "&Activate/Deactivate",
      "&Server Manager",
      "&Server Manager / &Show",
      "&Server Manager / &Hide",
      "S&ervers",
      "S&ervers / Login Server checked",
      "S&ervers / Char Server checked",
      "S&ervers / Map Server checked",
      "&Close key=" + std::to_string(scAlt | VK_F4),
  }));
  std::vector<std::string> stored;
  for (int k = 0; k < f.SkinStore1->Store()->Count(); ++k) {
    stored.push_back(f.SkinStore1->Store()->Item(k)->Name());
  }
  EXPECT_EQ(stored, (std::vector<std::string>{"MacOS", "XP1", "XP2", "XP3", "Blue", "Whistler"}));

  std::unique_ptr<TForm2> about(TForm::Create<TForm2>(static_cast<TComponent*>(nullptr)));
  TForm2& a = *about;
  EXPECT_FALSE(a.Visible());
  EXPECT_EQ(a.Caption(), "About Brix 2.2 RC2");
  EXPECT_EQ(std::vector<int>({a.Left(), a.Top(), a.ClientWidth(), a.ClientHeight()}),
            std::vector<int>({514, 366, 306, 313}));
  ExpectPlacements({
      {a.Image1, &a, 8, 8, 90, 134, ""},
      {a.Bevel1, &a, 8, 8, 90, 134, ""},
      {a.Label1, &a, 104, 8, -1, -1, "Program Name: Korvale Server Manager"},
      {a.Label2, &a, 104, 32, -1, -1, "Program Version: 2.1 RC2"},
      {a.Label3, &a, 104, 56, -1, -1, a.Label3->Caption().c_str()},
      {a.Label4, &a, 104, 80, -1, -1, "Contact Info:"},
      {a.Label5, &a, 120, 104, -1, -1, a.Label5->Caption().c_str()},
      {a.Label6, &a, 120, 128, -1, -1, a.Label6->Caption().c_str()},
      {a.Label7, &a, 8, 152, -1, -1, "Terms of Use/Disclaimer:"},
      {a.Memo1, &a, 8, 168, 289, 105, ""},
      {a.Button1, &a, 112, 280, 75, 25, "OK"},
  });
  EXPECT_TRUE(a.Memo1->ReadOnly());
  EXPECT_EQ(a.Memo1->ScrollBars(), TScrollStyle::ssVertical);
  EXPECT_EQ(a.Memo1->Lines().size(), 7u);
  EXPECT_TRUE(a.Button1->Default());
}

TEST_F(MainWindow, ServersStartFromTheWindowsProgramFolder) {
  Open("");
  form_->Button1Click(nullptr);
  form_->loginservertimerTimer(nullptr);
  EXPECT_TRUE(WaitFor([] { return IsExeRunning("auth-node.exe"); }));
  form_->Button1Click(nullptr);  // deactivation ends the server
  EXPECT_TRUE(WaitFor([] { return !IsExeRunning("auth-node.exe"); }));
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
