// The stand-in server and the manager executable start, behave and stop as the other
// end-to-end tests rely on.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/e2e/ManagerDriver.h"
#include "tests/support/ProgramFolder.h"

namespace korvale::testing {
namespace {

TEST(StandInServer, ListensOnItsLoopbackPortAndClosesOnRequest) {
  ProgramFolder folder;
  folder.WriteSettings({16901, 16902, 16903});
  folder.AddServers();
  ChildProcess server = folder.Start("realm-node.exe");
  EXPECT_TRUE(WaitFor([&] { return TryConnect(16902); }));
  EXPECT_FALSE(TryConnect(16901));
  HWND window = WaitForProcessWindow(server.Id());
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(IsWindowVisible(window));
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(server.WaitForExit(), 0u);
}

TEST(StandInServer, FaultKnobsKeepThePortClosedOrOwnNoWindow) {
  ProgramFolder folder;
  folder.WriteSettings({16911, 16912, 16913});
  folder.AddServers();
  folder.Write("auth-node.faults", "never-listen 1\n");
  folder.Write("world-node.faults", "no-window 1\n");
  ChildProcess login = folder.Start("auth-node.exe");
  ChildProcess map = folder.Start("world-node.exe");
  EXPECT_TRUE(WaitFor([&] { return TryConnect(16913); }));
  ASSERT_NE(WaitForProcessWindow(login.Id()), nullptr);
  EXPECT_FALSE(TryConnect(16911));
  EXPECT_EQ(WaitForProcessWindow(map.Id(), std::chrono::milliseconds(500)), nullptr);
}

TEST(StandInServer, ExitKnobEndsTheProcessLikeACrash) {
  ProgramFolder folder;
  folder.WriteSettings({16921, 16922, 16923});
  folder.AddServers();
  folder.Write("auth-node.faults", "exit-after-ms 300\n");
  ChildProcess login = folder.Start("auth-node.exe");
  EXPECT_EQ(login.WaitForExit(), 3u);
}

// What the notification area shows.
std::vector<std::uint32_t> NotificationArea() {
  const PixelBuffer screen = CaptureScreen();
  const RECT area = NotificationAreaRect(screen);
  std::vector<std::uint32_t> pixels;
  for (long y = area.top; y < area.bottom; ++y)
    for (long x = area.left; x < area.right; ++x) pixels.push_back(screen.At(x, y));
  return pixels;
}

TEST(ManagerExecutable, ShowsItsWindowAndTrayIconAndTakesBothAwayWhenClosed) {
  ProgramFolder folder;
  folder.WriteSettings({16931, 16932, 16933});
  folder.AddServers();
  folder.AddLamps();
  folder.AddManager();
  const std::vector<std::uint32_t> before = NotificationArea();
  ASSERT_FALSE(before.empty()) << "the desktop has a taskbar";
  ChildProcess manager = folder.Start("korvale.exe");
  HWND window = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    window = FindWindowA(nullptr, "Korvale Server Manager v2.1 RC1");
    return window != nullptr && IsWindowVisible(window);
  }));
  EXPECT_TRUE(WaitFor([&] { return NotificationArea() != before; })) << "the icon appears";
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(manager.WaitForExit(), 0u);
  EXPECT_TRUE(WaitFor([&] { return NotificationArea() == before; })) << "the icon goes";
}

}  // namespace
}  // namespace korvale::testing
