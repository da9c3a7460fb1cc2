// The main window's menu as its users meet it: the server shortcuts and the check marks
// that invert the check boxes, and the plain messages of the Skins and Help items, reached
// from the keyboard. Menu check marks live in the manager's own process and are covered by
// the toolkit's menu tests.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/ManagerDriver.h"
#include "tests/support/PointerInput.h"
#include "tests/support/WinTestSupport.h"

namespace korvale::testing {
namespace {

using std::chrono::milliseconds;

class MainMenu : public ManagerSession {
 protected:
  void StartWith(const std::array<int, 3>& ports, const std::string& general) {
    folder_.WriteSettings(ports, general);
    Prepare();
    Start();
  }

  // Keys typed into the manager's foreground main window.
  void Type(std::initializer_list<WORD> held, WORD key) {
    SetForegroundWindow(window_);
    WaitFor([&] { return GetForegroundWindow() == window_; });
    std::vector<INPUT> inputs;
    const auto add = [&](WORD vk, bool up) {
      INPUT input = {};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = vk;
      input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
      inputs.push_back(input);
    };
    for (WORD vk : held) add(vk, false);
    add(key, false);
    add(key, true);
    for (WORD vk : held) add(vk, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  }

  // The caption of the plain message dialog the manager shows next, which is then
  // dismissed. Its message is a windowless label, out of reach of another process.
  std::string NextMessage() {
    HWND message = WaitForDialog(manager_->Id(), "TMessageForm");
    if (!message) return "<no message>";
    const std::string text = WindowText(message);
    PostMessageA(message, WM_CLOSE, 0, 0);
    WaitFor([&] { return !IsWindow(message) || !IsWindowVisible(message); });
    return text;
  }
};

TEST_F(MainMenu, CtrlTwoInvertsTheCharServerCheckBox) {
  StartWith({19501, 19502, 19503}, "");
  ASSERT_TRUE(OpenMainWindow());
  HWND charCheck = FindChild(window_, "TCheckBox", "Char Server");
  ASSERT_NE(charCheck, nullptr);
  ASSERT_EQ(SendMessageA(charCheck, BM_GETCHECK, 0, 0), BST_CHECKED);

  Type({VK_CONTROL}, '2');
  ASSERT_TRUE(WaitFor([&] { return SendMessageA(charCheck, BM_GETCHECK, 0, 0) == BST_UNCHECKED; }));
  EXPECT_EQ(WindowText(button_), "Activate");  // a shortcut of its own, not the button's

  Close();
}

TEST_F(MainMenu, OpeningSkinsShowsAPlainMessage) {
  StartWith({19511, 19512, 19513}, "Skin=2\r\n");
  ASSERT_TRUE(OpenMainWindow());
  Type({VK_MENU}, 'O');
  Type({}, 'S');
  EXPECT_EQ(NextMessage(), "Korvale Server Manager v2.0");
  Type({}, VK_ESCAPE);
  Type({}, VK_ESCAPE);
  Type({}, VK_ESCAPE);
  PumpFor(milliseconds(200));
  Close();
}

TEST_F(MainMenu, DocumentationShowsItsPlainMessage) {
  StartWith({19531, 19532, 19533}, "");
  ASSERT_TRUE(OpenMainWindow());
  Type({VK_MENU}, 'H');
  Type({}, 'D');
  EXPECT_EQ(NextMessage(), "Korvale Server Manager v2.0");
  Close();
}

TEST_F(MainMenu, AboutShowsTheOneAboutDialogUntilItsOkButton) {
  StartWith({19541, 19542, 19543}, "");
  ASSERT_TRUE(OpenMainWindow());
  for (int round = 0; round < 2; ++round) {
    Type({VK_MENU}, 'H');
    Type({}, 'A');
    HWND about = WaitForDialog(manager_->Id(), "TForm2");
    ASSERT_NE(about, nullptr) << "round " << round;
    EXPECT_EQ(WindowText(about), "About Brix 2.2 RC2");
    RECT client{};
    GetClientRect(about, &client);
    EXPECT_EQ(client.right, 306);
    EXPECT_EQ(client.bottom, 313);
    EXPECT_EQ(WindowText(FindChild(about, "TMemo")).rfind("You use this program entirely", 0), 0u);
    Click(FindChild(about, "TButton", "OK"));
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(about); }));
  }
  Close();
}

// The skinned window tells another process that it is skinned, shows no native menu bar,
// and its own bar opens a drop-down under a real click.
TEST_F(MainMenu, TheSkinnedBarOpensItsDropDownUnderAClick) {
  StartWith({19551, 19552, 19553}, "");
  ASSERT_TRUE(OpenMainWindow());
  ASSERT_TRUE(WaitFor([&] { return SendMessageA(window_, 0x3504, 0, 0) == 1; }));  // SM_ISSKINNED
  EXPECT_EQ(GetMenu(window_), nullptr);
  SetForegroundWindow(window_);
  RECT outer{};
  GetWindowRect(window_, &outer);
  POINT bar{outer.left + 24, outer.top};
  while (bar.y < outer.bottom && SendMessageA(window_, WM_NCHITTEST, 0, MAKELPARAM(bar.x, bar.y)) != HTMENU) ++bar.y;
  ASSERT_LT(bar.y, outer.bottom) << "no menu band";
  Click(window_, POINT{bar.x - outer.left, bar.y - outer.top + 4});
  HWND dropDown = WaitForDialog(manager_->Id(), "#32768");
  EXPECT_NE(dropDown, nullptr);
  Type({}, VK_ESCAPE);
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(dropDown); }));
  Close();
}

}  // namespace
}  // namespace korvale::testing
