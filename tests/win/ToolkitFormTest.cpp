// The test form driven through real messages: clicks, keys and typing, checked through
// the events, the focus and the window structure.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>

#include "tests/support/WinTestSupport.h"
#include "tests/win/ToolkitTestForm.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Screen.h"

namespace korvale::testing {
namespace {

std::string WindowClass(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

void Click(HWND window, int x = 3, int y = 3) {
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  AppPump(30);
}

void Key(WORD key) {
  HWND focus = GetFocus();
  PostMessageA(focus, WM_KEYDOWN, key, 1);
  PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
  AppPump(30);
}

void SetShift(bool down) {
  BYTE state[256];
  GetKeyboardState(state);
  state[VK_SHIFT] = down ? 0x80 : 0;
  SetKeyboardState(state);
}

void Type(HWND window, const std::string& text) {
  for (char c : text) PostMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
  AppPump(30);
}

// Writes a capture as a 32-bit top-down BMP.
void SaveCapture(const PixelBuffer& pixels, const std::string& path) {
  std::ofstream out(path, std::ios::binary);
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = pixels.width;
  info.biHeight = -pixels.height;
  info.biPlanes = 1;
  info.biBitCount = 32;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.pixels.size() * 4);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(reinterpret_cast<const char*>(pixels.pixels.data()),
            static_cast<std::streamsize>(pixels.pixels.size() * 4));
}

class ToolkitForm : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(TForm::Create<TToolkitTestForm>(static_cast<TComponent*>(nullptr)));
    form->Show();
    ASSERT_TRUE(AppWaitFor([&] { return IsWindowVisible(form->Handle()) != FALSE; }));
    SetForegroundWindow(form->Handle());
    AppPump(100);
  }
  void TearDown() override {
    SetShift(false);
    form.reset();
    AppPump(20);
  }
  std::unique_ptr<TToolkitTestForm> form;
};

TEST_F(ToolkitForm, WindowsCarryToolkitClassNamesAndTheApplicationWindowOwnsTheForm) {
  EXPECT_EQ(form->createdWithComponents, form->ComponentCount());
  EXPECT_GT(form->createdWithComponents, 30);
  EXPECT_EQ(WindowClass(form->Handle()), "TToolkitTestForm");
  EXPECT_EQ(WindowClass(form->activate->Handle()), "TButton");
  EXPECT_EQ(WindowClass(form->loginCheck->Handle()), "TCheckBox");
  EXPECT_EQ(WindowClass(form->addresses[0]->Handle()), "TEdit");
  EXPECT_EQ(WindowClass(form->ports[0]->Handle()), "TSpinEdit");
  EXPECT_EQ(WindowClass(form->log->Handle()), "TMemo");
  EXPECT_EQ(WindowClass(form->slider->Handle()), "TTrackBar");
  EXPECT_EQ(WindowClass(form->pages->Handle()), "TPageControl");
  EXPECT_EQ(WindowClass(form->pages->Pages(0)->Handle()), "TTabSheet");
  EXPECT_EQ(WindowClass(form->servers->Handle()), "TGroupBox");
  // The up-down button is a child of the spin field's own window.
  EXPECT_EQ(GetParent(form->ports[0]->ButtonHandle()), form->ports[0]->Handle());

  HWND app = Application().Handle();
  EXPECT_EQ(WindowClass(app), "TApplication");
  EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), app);
  EXPECT_EQ(GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
  RECT r{};
  GetWindowRect(app, &r);
  EXPECT_EQ(r.right - r.left, 0);
  EXPECT_EQ(r.bottom - r.top, 0);

  // The main form's showing shows the application window, which carries the taskbar button.
  Application().SetTitle("Korvale Toolkit Test");
  ShowWindow(app, SW_HIDE);
  form->Hide();
  Application().SetMainForm(form.get());
  form->Show();
  EXPECT_TRUE(IsWindowVisible(app));
  char title[64] = {};
  GetWindowTextA(app, title, sizeof title);
  EXPECT_STREQ(title, "Korvale Toolkit Test");

  // Minimizing the main form minimizes the application window and hides the forms.
  SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  AppPump(50);
  EXPECT_TRUE(IsIconic(app));
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  Application().Restore();
  AppPump(50);
  EXPECT_FALSE(IsIconic(app));
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  Application().SetMainForm(nullptr);

  EXPECT_GE(Screen().FormCount(), 1);
  bool listed = false;
  for (int i = 0; i < Screen().FormCount(); ++i) listed |= Screen().Forms(i) == form.get();
  EXPECT_TRUE(listed);
}

TEST_F(ToolkitForm, ClicksKeysAndTheDefaultAndCancelButtons) {
  Click(form->activate->Handle());
  EXPECT_EQ(form->activateClicks, 1);

  // The check box toggles on every click and reports each change.
  Click(form->loginCheck->Handle());
  Click(form->loginCheck->Handle());
  EXPECT_EQ(form->checkEvents, (std::vector<bool>{true, false}));
  EXPECT_EQ(SendMessageA(form->loginCheck->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  form->loginCheck->SetChecked(true);
  EXPECT_EQ(SendMessageA(form->loginCheck->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);

  // Enter in an edit field presses the default button; Esc the cancel button.
  form->addresses[0]->SetFocus();
  AppPump();
  ASSERT_EQ(GetFocus(), form->addresses[0]->Handle());
  Key(VK_RETURN);
  EXPECT_EQ(form->activateClicks, 2);
  Key(VK_ESCAPE);
  EXPECT_EQ(form->cancelClicks, 1);
  EXPECT_EQ(form->activateClicks, 2);

  // Enter on a focused other button presses that button, not the default one.
  form->cancel->SetFocus();
  AppPump();
  Key(VK_RETURN);
  EXPECT_EQ(form->cancelClicks, 2);
  EXPECT_EQ(form->activateClicks, 2);

  // Alt+A: the accelerator of "&Activate" through CM_DIALOGCHAR.
  form->addresses[0]->SetFocus();
  PostMessageA(GetFocus(), WM_SYSCHAR, 'a', 1 << 29);
  AppPump();
  EXPECT_EQ(form->activateClicks, 3);
}

TEST_F(ToolkitForm, TabAndShiftTabFollowTheTabOrder) {
  form->logging->SetFocus();
  AppPump();
  ASSERT_EQ(form->ActiveControl(), form->logging);
  Key(VK_TAB);
  EXPECT_EQ(GetFocus(), form->loginCheck->Handle());
  Key(VK_TAB);
  EXPECT_EQ(GetFocus(), form->charCheck->Handle());
  SetShift(true);
  Key(VK_TAB);
  EXPECT_EQ(GetFocus(), form->loginCheck->Handle());
  Key(VK_TAB);
  EXPECT_EQ(GetFocus(), form->logging->Handle());
  SetShift(false);

  // Hidden tab sheets are skipped: from the page control the next stop is the first page's
  // address field, and its port field after it.
  form->pages->SetFocus();
  AppPump();
  Key(VK_TAB);
  EXPECT_EQ(GetFocus(), form->addresses[0]->Handle());
  Key(VK_TAB);
  EXPECT_EQ(GetFocus(), form->ports[0]->Handle());

  // The memo keeps Enter but gives Tab back to the dialog.
  form->log->SetFocus();
  AppPump();
  Key(VK_TAB);
  EXPECT_EQ(GetFocus(), form->cancel->Handle());
  form->log->SetFocus();
  AppPump();
  Key(VK_RETURN);
  EXPECT_EQ(form->activateClicks, 0);
}

TEST_F(ToolkitForm, TrackBarReportsOnlyRealChangesAndClamps) {
  form->sliderEvents.clear();
  form->slider->SetPosition(5000);
  EXPECT_TRUE(form->sliderEvents.empty());
  form->slider->SetPosition(20000);
  EXPECT_EQ(form->slider->Position(), 10000);
  form->slider->SetPosition(10000);
  form->slider->SetPosition(-5);
  EXPECT_EQ(form->sliderEvents, (std::vector<int>{10000, 1000}));
  EXPECT_EQ(SendMessageA(form->slider->Handle(), TBM_GETPOS, 0, 0), 1000);

  // The arrow key moves by LineSize through the control itself.
  form->sliderEvents.clear();
  form->slider->SetFocus();
  AppPump();
  Key(VK_RIGHT);
  EXPECT_EQ(form->slider->Position(), 1002);
  EXPECT_EQ(form->sliderEvents, (std::vector<int>{1002}));
  EXPECT_EQ(form->rate->Caption(), "1002ms");
  // Home at the minimum already: a scroll notification without a change raises nothing.
  Key(VK_HOME);
  Key(VK_HOME);
  EXPECT_EQ(form->sliderEvents, (std::vector<int>{1002, 1000}));
}

TEST_F(ToolkitForm, MemoReportsEveryChangeTypedOrSetByCode) {
  form->logTexts.clear();
  form->log->SetText("first line");
  ASSERT_EQ(form->logTexts.size(), 1u);
  EXPECT_EQ(form->logTexts.back(), "first line");
  form->log->SetLines({"new", "first line"});
  EXPECT_EQ(form->logTexts.size(), 2u);
  EXPECT_EQ(form->log->Lines(), (std::vector<std::string>{"new", "first line"}));
  EXPECT_EQ(form->log->Text(), "new\r\nfirst line");

  form->log->SetFocus();
  AppPump();
  SendMessageA(form->log->Handle(), EM_SETSEL, 0, 0);
  Type(form->log->Handle(), "ab");
  EXPECT_EQ(form->logTexts.size(), 4u);
  EXPECT_EQ(form->logTexts.back(), "abnew\r\nfirst line");
  EXPECT_EQ(form->log->Lines().front(), "abnew");

  form->log->SetReadOnly(true);
  Type(form->log->Handle(), "x");
  EXPECT_EQ(form->logTexts.size(), 4u);
}

TEST_F(ToolkitForm, SpinFieldReadsItsTextAndStepsWithoutLimits) {
  TSpinEdit* port = form->ports[0];
  EXPECT_EQ(port->Value(), 6900);
  EXPECT_EQ(port->Text(), "6900");
  port->SetText("abc");
  EXPECT_EQ(port->Value(), 0);
  port->SetText("12x");
  EXPECT_EQ(port->Value(), 0);
  port->SetText("-42");
  EXPECT_EQ(port->Value(), -42);
  port->SetValue(100000);
  EXPECT_EQ(port->Value(), 100000);  // MinValue = MaxValue = 0: no limits

  // The up-down button's arrows (real clicks on its upper and lower halves) step the value.
  HWND button = port->ButtonHandle();
  RECT r{};
  GetClientRect(button, &r);
  Click(button, r.right / 2, 2);
  EXPECT_EQ(port->Value(), 100001);
  Click(button, r.right / 2, r.bottom - 2);
  Click(button, r.right / 2, r.bottom - 2);
  EXPECT_EQ(port->Value(), 99999);

  // Typed text is what the value reads; arrow keys in the field step it.
  port->SetFocus();
  AppPump();
  SendMessageA(port->Handle(), EM_SETSEL, 0, -1);
  Type(port->Handle(), "77");
  EXPECT_EQ(port->Value(), 77);
  Key(VK_UP);
  EXPECT_EQ(port->Value(), 78);

  port->SetMinValue(1);
  port->SetMaxValue(10);
  port->SetValue(50);
  EXPECT_EQ(port->Value(), 10);
}

TEST_F(ToolkitForm, PageControlShowsTheSelectedSheet) {
  TPageControl* pages = form->pages;
  ASSERT_EQ(pages->PageCount(), 3);
  EXPECT_EQ(pages->ActivePageIndex(), 0);
  EXPECT_TRUE(IsWindowVisible(pages->Pages(0)->Handle()));
  EXPECT_FALSE(IsWindowVisible(pages->Pages(1)->Handle()));
  // A click on the second tab.
  RECT tab{};
  SendMessageA(pages->Handle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
  Click(pages->Handle(), (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  EXPECT_EQ(pages->ActivePageIndex(), 1);
  EXPECT_TRUE(IsWindowVisible(pages->Pages(1)->Handle()));
  EXPECT_FALSE(IsWindowVisible(pages->Pages(0)->Handle()));
  char text[16] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(pages->Handle(), TCM_GETITEMA, 2, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, "Map");
}

TEST_F(ToolkitForm, CloseRunsCloseQueryAndOnClose) {
  struct Handlers {
    bool allow = false;
    int queries = 0;
    int closes = 0;
    void Query(TObject*, bool& canClose) {
      ++queries;
      canClose = allow;
    }
    void Closing(TObject*, TCloseAction& action) {
      ++closes;
      action = TCloseAction::caHide;
    }
  } handlers;
  form->OnCloseQuery = TCloseQueryEvent(&handlers, &Handlers::Query);
  form->OnClose = TCloseEvent(&handlers, &Handlers::Closing);
  SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(handlers.queries, 1);
  EXPECT_EQ(handlers.closes, 0);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  handlers.allow = true;
  SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(handlers.closes, 1);
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_TRUE(IsWindow(form->Handle()));
}

TEST_F(ToolkitForm, ScreenshotLooksLikeADialog) {
  AppPump(200);
  PixelBuffer client = CaptureWindow(form->Handle(), true);
  ASSERT_GT(client.width, 0);
  EXPECT_EQ(client.width, 426);
  EXPECT_EQ(client.height, 329);
  // The face colour fills the space between the group boxes.
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(client.At(276, 80), (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face));
  // The logo picture is drawn (its inner colour) at its place inside the group box.
  EXPECT_EQ(client.At(8 + 8 + 30, 16 + 50), 0x3060A0u);
  if (const char* path = std::getenv("KORVALE_SCREENSHOT")) {
    SaveCapture(CaptureWindow(form->Handle(), false), path);
  }
}

// A simple combo box is its edit over its list, whatever its height: no strip below the list
// is left unpainted.
TEST(ToolkitControls, SimpleComboBoxListFillsItsHeight) {
  std::unique_ptr<TForm> owner(TForm::Create<TForm>(static_cast<TComponent*>(nullptr)));
  owner->SetBounds(100, 100, 200, 160);
  auto* combo = new TComboBox(owner.get());
  combo->SetParent(owner.get());
  combo->SetStyle(TComboBoxStyle::csSimple);
  combo->SetBounds(8, 8, 145, 97);
  owner->Show();
  AppPump(200);
  const PixelBuffer shot = CaptureWindow(combo->Handle(), false);
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  EXPECT_EQ(shot.At(shot.width / 2, shot.height - 3), (GetRValue(window) << 16) | (GetGValue(window) << 8) | GetBValue(window));
}

// The plain message dialog: class "TMessageForm", the application title as caption, owned
// by the application window, modal, closed by Enter on its OK button.
struct DialogProbe {
  std::string className;
  std::string caption;
  HWND owner = nullptr;
  bool formDisabled = false;
  HWND form = nullptr;
};
DialogProbe* probe = nullptr;

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = FindWindowA("TMessageForm", nullptr);
  if (!dialog || !IsWindowVisible(dialog) || !probe) return;
  KillTimer(nullptr, id);
  char text[128] = {};
  GetClassNameA(dialog, text, sizeof text);
  probe->className = text;
  GetWindowTextA(dialog, text, sizeof text);
  probe->caption = text;
  probe->owner = GetWindow(dialog, GW_OWNER);
  probe->formDisabled = !IsWindowEnabled(probe->form);
  HWND focus = GetFocus();
  PostMessageA(focus ? focus : dialog, WM_KEYDOWN, VK_RETURN, 1);
}

TEST_F(ToolkitForm, ShowMessageIsAModalToolkitForm) {
  DialogProbe seen;
  seen.form = form->Handle();
  probe = &seen;
  Application().SetTitle("Korvale Server Manager v2.0");
  SetTimer(nullptr, 0, 50, AnswerDialog);
  ShowMessage("Not Available ATM.");
  probe = nullptr;
  EXPECT_EQ(seen.className, "TMessageForm");
  EXPECT_EQ(seen.caption, "Korvale Server Manager v2.0");
  EXPECT_EQ(seen.owner, Application().Handle());
  EXPECT_TRUE(seen.formDisabled);
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
  EXPECT_EQ(FindWindowA("TMessageForm", nullptr), nullptr);
}

}  // namespace
}  // namespace korvale::testing
