// The real manager with a log file it cannot write and three servers that crash soon after
// every start: one error box at a time, supervision going on behind it, and a view that keeps
// every status line.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "tests/e2e/ManagerDriver.h"

namespace korvale::testing {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

constexpr const char* kRoles[] = {"Login", "Char", "Map"};

class ManagerLog : public ManagerSession {
 protected:
  std::vector<HWND> ErrorBoxes() const {
    std::vector<HWND> boxes;
    for (HWND window : ProcessWindows(manager_->Id())) {
      char name[16] = {};
      GetClassNameA(window, name, sizeof name);
      if (std::string(name) == "#32770" && IsWindowVisible(window)) boxes.push_back(window);
    }
    return boxes;
  }
  int Launches(const std::string& log, const char* role) const {
    return CountOf(log, std::string(role) + " Server is Starting.") +
           CountOf(log, std::string(role) + " Server is Restarting.");
  }
};

TEST_F(ManagerLog, AnUnwritableLogShowsOneErrorBoxWhileCrashingServersAreRelaunchedEveryTick) {
  folder_.WriteSettings({19401, 19402, 19403}, "Rate=1000\r\n");
  for (const char* name : {"auth-node", "realm-node", "world-node"}) {
    folder_.Write(std::string(name) + ".faults", "exit-after-ms 200\n");
  }
  Prepare();
  Start();
  ASSERT_TRUE(OpenMainWindow());
  HeldFile held(folder_.File("korvale.log"));
  ASSERT_TRUE(held.Held());
  Click(button_);

  std::size_t mostBoxes = 0;
  std::string at20s;
  const auto start = std::chrono::steady_clock::now();
  for (auto elapsed = seconds(0); elapsed < seconds(30);) {
    PumpFor(milliseconds(200));
    mostBoxes = std::max(mostBoxes, ErrorBoxes().size());
    elapsed = std::chrono::duration_cast<seconds>(std::chrono::steady_clock::now() - start);
    if (at20s.empty() && elapsed >= seconds(20)) at20s = Log();
  }
  EXPECT_EQ(mostBoxes, 1u);
  const std::vector<HWND> boxes = ErrorBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(AllText(boxes[0]).find("Cannot create file"), std::string::npos) << AllText(boxes[0]);

  const std::string log = Log();
  int lines = 0;
  for (std::size_t at = 0; (at = log.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
  for (const char* role : kRoles) {
    EXPECT_EQ(CountOf(log, std::string(role) + " Server is Starting."), 1) << role;
    // Every tick that finds the server gone relaunches it; a start slowed by a loaded machine
    // lets some ticks find it still running, so the count is only bounded from below.
    EXPECT_GE(Launches(log, role), 5) << role << "\n" << log;
    EXPECT_GT(Launches(log, role), Launches(at20s, role)) << role << ": relaunched behind the box";
  }
  EXPECT_EQ(lines, CountOf(log, "]Status: ")) << "the view holds whole status lines only";
  ASSERT_GE(log.size(), at20s.size());
  EXPECT_EQ(log.substr(log.size() - at20s.size()), at20s) << "every earlier line is still shown";

  PressDialogButton(boxes[0], "OK");
  EXPECT_TRUE(WaitFor([&] { return ErrorBoxes().empty(); }));
  const int before = Launches(Log(), "Login");
  EXPECT_TRUE(WaitFor([&] { return Launches(Log(), "Login") >= before + 3; }));
  EXPECT_TRUE(ErrorBoxes().empty()) << "no second box until a write has succeeded";
}

}  // namespace
}  // namespace korvale::testing
