// The real manager supervising three stand-in servers on loopback ports, driven through its
// window: activation by its button, the log read from its log view, the servers watched as
// processes.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <array>

#include "tests/e2e/ManagerDriver.h"

namespace korvale::testing {
namespace {

using std::chrono::seconds;

constexpr const char* kServers[] = {"auth-node.exe", "realm-node.exe", "world-node.exe"};

class ManagerSupervision : public ManagerSession {
 protected:
  void StartManager(const std::array<int, 3>& ports) {
    // The loopback settings are in place before the manager can ever activate.
    folder_.WriteSettings(ports, "Rate=1000\r\n");
    Prepare();
    Start();
    ASSERT_TRUE(OpenMainWindow());
    ASSERT_EQ(WindowText(button_), "Activate");
  }

  bool LogHas(const std::string& part, int count = 1, seconds timeout = seconds(20)) const {
    return WaitFor([&] { return CountOf(Log(), part) >= count; }, timeout);
  }
};

TEST_F(ManagerSupervision, StartsAllThreeRestartsAKilledServerAndEndsThemAtDeactivation) {
  StartManager({19101, 19102, 19103});
  EXPECT_EQ(Log(), "");
  Click(button_);
  ASSERT_TRUE(WaitFor([&] { return WindowText(button_) == "Deactivate"; }));

  for (const char* role : {"Login", "Char", "Map"}) {
    EXPECT_TRUE(LogHas(std::string("]Status: ") + role + " Server is Starting.")) << Log();
  }
  for (int port : {19101, 19102, 19103}) EXPECT_TRUE(WaitFor([&] { return TryConnect(port); })) << port;
  for (const char* role : {"Login", "Char", "Map"}) {
    EXPECT_TRUE(LogHas(std::string("]Status: ") + role + " Server is Online.")) << Log();
  }
  const std::string started = Log();
  // Newest first: every "Online." line of a server comes above its "Starting." line.
  EXPECT_LT(started.find("Char Server is Online."), started.find("Char Server is Starting."));
  EXPECT_EQ(started.rfind("[", 0), 0u);

  const std::vector<DWORD> chars = RunningFromFolder(folder_.Path(), "realm-node.exe");
  ASSERT_EQ(chars.size(), 1u);
  EndProcessById(chars.front());
  EXPECT_TRUE(LogHas("]Status: Char Server is Restarting.")) << Log();
  EXPECT_TRUE(LogHas("]Status: Char Server is Online.", 2)) << Log();
  EXPECT_EQ(CountOf(Log(), "Char Server is Starting."), 1);
  EXPECT_EQ(CountOf(Log(), "Login Server is Restarting."), 0);

  Click(button_);
  ASSERT_TRUE(WaitFor([&] { return WindowText(button_) == "Activate"; }));
  EXPECT_TRUE(WaitFor([&] {
    for (const char* exe : kServers) {
      if (!RunningFromFolder(folder_.Path(), exe).empty()) return false;
    }
    return true;
  }));
  const std::string afterDeactivation = Log();
  PumpFor(std::chrono::milliseconds(2500));
  EXPECT_EQ(Log(), afterDeactivation) << "no line after deactivation";
  EXPECT_EQ(ReadFile(folder_.File("korvale.log")), afterDeactivation);
}

// The lamps and labels are painted, not windows: a closed port shows as a running process
// that is probed on every tick and never reported online or restarted.
TEST_F(ManagerSupervision, AServerWithItsPortClosedIsNeverOnlineNorRestarted) {
  folder_.Write("world-node.faults", "never-listen 1\n");
  StartManager({19111, 19112, 19113});
  Click(button_);
  EXPECT_TRUE(LogHas("]Status: Map Server is Starting.")) << Log();
  EXPECT_TRUE(LogHas("]Status: Login Server is Online.")) << Log();
  PumpFor(seconds(4));
  const std::string log = Log();
  EXPECT_EQ(CountOf(log, "Map Server is Online."), 0) << log;
  EXPECT_EQ(CountOf(log, "Map Server is Restarting."), 0) << log;
  EXPECT_EQ(CountOf(log, "Map Server is Offline"), 0) << log;
  EXPECT_EQ(RunningFromFolder(folder_.Path(), "world-node.exe").size(), 1u);
}

}  // namespace
}  // namespace korvale::testing
