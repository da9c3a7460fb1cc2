// The manager's tray icon as its users meet it, through the shell's notification area: a
// right click opens the tray menu, a double click hides the window and its taskbar button
// and a second one brings them back.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "tests/e2e/ManagerDriver.h"
#include "tests/support/WinTestSupport.h"

namespace korvale::testing {
namespace {

// The centre of what differs between two captures of the screen within the notification
// area: the icon that has appeared there.
std::optional<POINT> NewIconIn(const PixelBuffer& before, const PixelBuffer& after) {
  const RECT area = NotificationAreaRect(after);
  long left = area.right, right = -1, top = area.bottom, bottom = -1;
  for (long y = area.top; y < area.bottom; ++y) {
    for (long x = area.left; x < area.right; ++x) {
      if (before.At(x, y) == after.At(x, y)) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  // Anything larger than an icon (a tooltip passing by) is not the icon.
  if (right < 0 || right - left > 32 || bottom - top > 32) return std::nullopt;
  return POINT{(left + right) / 2, (top + bottom) / 2};
}

void ClickAt(POINT at, DWORD down, DWORD up, int times) {
  PlacePointer(at.x, at.y);
  for (int i = 0; i < times; ++i) {
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = down;
    inputs[1].mi.dwFlags = up;
    SendInput(2, inputs, sizeof(INPUT));
    PumpFor(std::chrono::milliseconds(60));
  }
}

class ManagerTray : public ManagerSession {
 protected:
  void SetUp() override {
    GetCursorPos(&pointer_);
    folder_.WriteSettings({19901, 19902, 19903});
    Prepare();
    const PixelBuffer before = CaptureScreen();
    Start();
    ASSERT_TRUE(OpenMainWindow());
    std::optional<POINT> found;
    ASSERT_TRUE(WaitFor([&] { return (found = NewIconIn(before, CaptureScreen())).has_value(); }))
        << "the icon appears in the notification area";
    icon_ = *found;
  }

  // The pointer goes back where it was, away from the notification area.
  void TearDown() override {
    PlacePointer(pointer_.x, pointer_.y);
    ManagerSession::TearDown();
  }

  POINT icon_{};
  POINT pointer_{};
};

TEST_F(ManagerTray, ARightClickOpensTheTrayMenu) {
  // A click while the shell is still busy with the new icon can be lost; it is repeated.
  HWND menu = nullptr;
  for (int attempt = 0; attempt < 3 && !menu; ++attempt) {
    ClickAt(icon_, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 1);
    menu = WaitForDialog(manager_->Id(), "#32768", std::chrono::seconds(3));
  }
  ASSERT_NE(menu, nullptr) << "no popup menu of the manager after clicks at " << icon_.x << ", "
                           << icon_.y;
  // The menu holds the four items of the tray menu, one row each.
  RECT box{};
  GetWindowRect(menu, &box);
  EXPECT_GT(box.bottom - box.top, 4 * GetSystemMetrics(SM_CYMENUSIZE) / 2);
  keybd_event(VK_ESCAPE, 0, 0, 0);
  keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(menu); }));
  Close();
}

// A double click can arrive as two single clicks when the machine is busy (the second click
// comes after the double-click time) or be lost while the shell is busy; it is repeated until
// the state it should reach shows, but never once that state has been seen.
bool DoubleClickUntil(POINT at, const std::function<bool()>& reached) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    ClickAt(at, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 2);
    if (WaitFor(reached, std::chrono::seconds(4))) return true;
  }
  return false;
}

TEST_F(ManagerTray, ADoubleClickHidesTheWindowAndASecondBringsItBack) {
  HWND application = GetWindow(window_, GW_OWNER);
  ASSERT_NE(application, nullptr) << "the application window carries the taskbar button";
  // The window goes first and the taskbar button right after it: both are waited for.
  EXPECT_TRUE(DoubleClickUntil(
      icon_, [&] { return !IsWindowVisible(window_) && !IsWindowVisible(application); }))
      << "window " << IsWindowVisible(window_) << ", taskbar button " << IsWindowVisible(application);
  EXPECT_TRUE(DoubleClickUntil(
      icon_, [&] { return IsWindowVisible(window_) && IsWindowVisible(application); }))
      << "window " << IsWindowVisible(window_) << ", taskbar button " << IsWindowVisible(application);
  Close();
}

}  // namespace
}  // namespace korvale::testing
