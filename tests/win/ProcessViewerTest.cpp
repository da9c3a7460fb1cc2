// The process list, name matching, ending and starting servers, with stand-in servers in a
// temporary program folder. The stand-ins get no port, so none of them listens.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/process/ProcessViewer.h"
#include "app/process/ServerLauncher.h"
#include "app/process/SystemProcessControl.h"
#include "tests/support/ProgramFolder.h"

namespace korvale::testing {
namespace {

const TProcessInfo* EntryOf(DWORD processId) {
  for (const TProcessInfo& info : ProcessList()) {
    if (info.ProcessId == processId) return &info;
  }
  return nullptr;
}

const TProcessInfo* EntryOfWindow(HWND window) {
  for (const TProcessInfo& info : ProcessList()) {
    if (info.WindowHandle == window) return &info;
  }
  return nullptr;
}

// Resets the kill pump even when an assertion leaves the test early.
struct PumpOverride {
  explicit PumpOverride(MessagePump pump) { SetKillMessagePump(std::move(pump)); }
  ~PumpOverride() { SetKillMessagePump({}); }
};

TEST(ProcessViewer, ListsServersByTheirHiddenWindowAndMissesWindowlessOnes) {
  ProgramFolder folder("korvale-pv");
  folder.AddServers();
  folder.Write("world-node.faults", "no-window 1\n");
  ChildProcess login = folder.Start("auth-node.exe");
  ChildProcess map = folder.Start("world-node.exe");
  HWND window = WaitForProcessWindow(login.Id());
  ASSERT_NE(window, nullptr);
  PumpFor(std::chrono::milliseconds(300));
  ASSERT_TRUE(map.Running());

  RefreshProcessList();
  const TProcessInfo* entry = EntryOfWindow(window);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->ProcessId, login.Id());
  EXPECT_EQ(entry->ExeName, "AUTH-NODE.EXE");
  EXPECT_EQ(entry->WindowCaption, "auth-node.exe");
  EXPECT_EQ(entry->WindowClass, "KorvaleStandInServer");
  EXPECT_FALSE(entry->WindowVisible);
  EXPECT_EQ(entry->WindowHandle, window);
  EXPECT_EQ(entry->ThreadId, GetWindowThreadProcessId(window, nullptr));
  EXPECT_EQ(ExeNameOfWindow(window), "auth-node.exe");
  EXPECT_EQ(EntryOf(map.Id()), nullptr);

  // Our own windows are listed too, under our own name.
  const auto self =
      std::find_if(ProcessList().begin(), ProcessList().end(),
                   [](const TProcessInfo& i) { return i.ProcessId == GetCurrentProcessId(); });
  if (self != ProcessList().end()) {
    EXPECT_EQ(self->ExeName, "KORVALE_WIN_TESTS.EXE");
  }

  EXPECT_TRUE(IsExeRunning("auth-node.exe"));
  EXPECT_FALSE(IsExeRunning("world-node.exe"));  // alive, but owns no top-level window
  EXPECT_FALSE(IsExeRunning(""));
}

TEST(ProcessViewer, MatchesIgnoreCaseFindSubstringsAndDropThePath) {
  ProgramFolder folder("korvale-pv");
  folder.AddServerAs("xauth-node.exe");
  folder.AddServerAs("Realm-Node.EXE");
  ChildProcess login = folder.Start("xauth-node.exe");
  ChildProcess realm = folder.Start("Realm-Node.EXE");
  ASSERT_NE(WaitForProcessWindow(login.Id()), nullptr);
  ASSERT_NE(WaitForProcessWindow(realm.Id()), nullptr);

  EXPECT_TRUE(IsExeRunning("auth-node.exe"));
  EXPECT_TRUE(IsExeRunning("realm-node.exe"));
  EXPECT_TRUE(IsExeRunning("C:\\Somewhere Else\\REALM-node.exe"));
  EXPECT_TRUE(IsExeRunning("/other/place/realm-node.exe"));
  EXPECT_FALSE(IsExeRunning("world-node.exe"));
  EXPECT_FALSE(IsExeRunning("yauth-node.exe"));
  ASSERT_NE(EntryOf(login.Id()), nullptr);
  EXPECT_EQ(EntryOf(login.Id())->ExeName, "XAUTH-NODE.EXE");

  EXPECT_TRUE(KillExe("C:\\Games\\Auth-Node.exe"));
  EXPECT_EQ(login.WaitForExit(), 0u);
  EXPECT_TRUE(realm.Running());
  EXPECT_FALSE(IsExeRunning("auth-node.exe"));
}

TEST(ProcessViewer, KillExeEndsEveryInstanceOnePerRound) {
  ProgramFolder folder("korvale-pv");
  folder.AddServers();
  ChildProcess first = folder.Start("auth-node.exe");
  ChildProcess second = folder.Start("auth-node.exe");
  ChildProcess bystander = folder.Start("realm-node.exe");
  ASSERT_NE(WaitForProcessWindow(first.Id()), nullptr);
  ASSERT_NE(WaitForProcessWindow(second.Id()), nullptr);
  ASSERT_NE(WaitForProcessWindow(bystander.Id()), nullptr);

  int rounds = 0;
  {
    PumpOverride counting([&] {
      ++rounds;
      ProcessPendingMessages();
    });
    EXPECT_TRUE(KillExe("auth-node.exe"));
  }
  EXPECT_EQ(rounds, 2 * 5001);
  EXPECT_EQ(first.WaitForExit(), 0u);
  EXPECT_EQ(second.WaitForExit(), 0u);
  EXPECT_TRUE(bystander.Running());

  // Nothing left to end: true at once, without a wait.
  rounds = 0;
  {
    PumpOverride counting([&] { ++rounds; });
    EXPECT_TRUE(KillExe("auth-node.exe"));
    EXPECT_FALSE(KillExe(""));
    EXPECT_FALSE(KillExe("C:\\Games\\"));  // reduces to nothing: must not match everything
  }
  EXPECT_EQ(rounds, 0);
  EXPECT_TRUE(bystander.Running());
}

LRESULT CALLBACK CountingProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_APP + 3) {
    ++*reinterpret_cast<int*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

TEST(ProcessViewer, KillByIdKeepsDispatchingWindowMessages) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = CountingProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "KorvaleKillPumpProbe";
  RegisterClassA(&wc);
  HWND window = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 10, 10, HWND_MESSAGE,
                                nullptr, wc.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  int handled = 0;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&handled));

  ProgramFolder folder("korvale-pv");
  folder.AddServers();
  ChildProcess server = folder.Start("world-node.exe");
  ASSERT_NE(WaitForProcessWindow(server.Id()), nullptr);
  PostMessageA(window, WM_APP + 3, 0, 0);
  EXPECT_TRUE(KillProcessById(server.Id()));
  EXPECT_EQ(handled, 1);
  EXPECT_EQ(server.WaitForExit(), 0u);
  DestroyWindow(window);
}

TEST(ServerPrompts, YesEndsTheRunningLoginServerAndNoLeavesTheCharServer) {
  ProgramFolder folder("korvale-pv");
  folder.AddServers();
  ChildProcess login = folder.Start("auth-node.exe");
  ChildProcess realm = folder.Start("realm-node.exe");
  ASSERT_NE(WaitForProcessWindow(login.Id()), nullptr);
  ASSERT_NE(WaitForProcessWindow(realm.Id()), nullptr);
  std::vector<std::string> asked;
  const bool goOn = RunStartUpPrompts([&](const std::string& caption, const std::string& text) {
    EXPECT_EQ(caption, "Warning");
    asked.push_back(text);
    return asked.size() == 1;
  });
  EXPECT_FALSE(goOn);
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].rfind("Login Server is running", 0), 0u);
  EXPECT_EQ(login.WaitForExit(), 0u);
  EXPECT_TRUE(realm.Running());

  KillServersAtClose();
  EXPECT_EQ(realm.WaitForExit(), 0u);
}

TEST(ServerLauncher, StartsTheServerFromAFolderWithABlankInItsPath) {
  // Unquoted, "...\srv dir\auth-node.exe" would start the decoy "...\srv.exe".
  ProgramFolder outer("korvale-launch");
  ASSERT_TRUE(CreateDirectoryA(outer.File("srv dir").c_str(), nullptr));
  outer.AddServerAs("srv dir\\auth-node.exe");
  outer.AddServerAs("srv.exe");
  ASSERT_FALSE(IsExeRunning("auth-node.exe"));

  LaunchServerFrom(outer.File("srv dir"), "auth-node.exe");
  EXPECT_TRUE(WaitFor([] { return IsExeRunning("auth-node.exe"); }));
  PumpFor(std::chrono::milliseconds(300));
  EXPECT_FALSE(IsExeRunning("srv.exe"));
  EXPECT_TRUE(KillExe("auth-node.exe"));
  (void)KillExe("srv.exe");
  EXPECT_FALSE(IsExeRunning("auth-node.exe"));
}

TEST(ServerLauncher, ProgramFolderIsTheExecutableFolderWithoutSeparator) {
  // Qualified: inside this namespace the name is the test helper class.
  EXPECT_EQ(korvale::ProgramFolder(), ExecutableFolder());
  EXPECT_NE(korvale::ProgramFolder().back(), '\\');
  EXPECT_EQ(ServerCommandLine("C:\\Program Files\\Korvale", "world-node.exe"),
            "\"C:\\Program Files\\Korvale\\world-node.exe\"");
}

TEST(ServerLauncher, SystemClockFormatsInTheUserLocale) {
  SystemStatusClock clock;
  const LocalDateTime when{2026, 12, 8, 13, 4, 5, 0};
  EXPECT_NE(clock.ShortDate(when).find("2026"), std::string::npos);
  EXPECT_NE(clock.LongTime(when).find("05"), std::string::npos);
  const std::string midnight = TimeStamp(clock, {2026, 12, 8, 0, 0, 0, 0});
  EXPECT_EQ(midnight, clock.ShortDate(when));
  EXPECT_GE(clock.Now().Year, 2024);
}

}  // namespace
}  // namespace korvale::testing
