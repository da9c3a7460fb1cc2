// Time stamps, status texts and the start-up and close-time rules for running servers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/BoundedLog.h"
#include "core/ManagedServer.h"
#include "core/ProcessControl.h"
#include "core/StatusLine.h"

namespace korvale {
namespace {

class FixedClock : public StatusClock {
 public:
  LocalDateTime Now() override { return {}; }
  std::string ShortDate(const LocalDateTime& w) override {
    return std::to_string(w.Month) + "/" + std::to_string(w.Day) + "/" + std::to_string(w.Year);
  }
  std::string LongTime(const LocalDateTime& w) override {
    return std::to_string(w.Hour) + ":" + std::to_string(w.Minute) + ":" + std::to_string(w.Second);
  }
};

TEST(StatusLine, TimeIsLeftOutExactlyAtMidnight) {
  FixedClock clock;
  struct Case {
    LocalDateTime when;
    const char* stamp;
  };
  const Case cases[] = {
      {{2026, 12, 8, 13, 4, 5, 0}, "12/8/2026 13:4:5"},
      {{2026, 12, 8, 0, 0, 0, 0}, "12/8/2026"},
      {{2026, 12, 8, 0, 0, 0, 999}, "12/8/2026"},
      {{2026, 12, 8, 0, 0, 1, 0}, "12/8/2026 0:0:1"},
      {{2026, 12, 8, 0, 1, 0, 0}, "12/8/2026 0:1:0"},
      {{2026, 12, 8, 23, 59, 59, 0}, "12/8/2026 23:59:59"},
  };
  for (const Case& c : cases) EXPECT_EQ(TimeStamp(clock, c.when), c.stamp);
}

TEST(StatusLine, LinesGoInFrontOfTheLogWithCrLf) {
  const std::string line = StatusLine("1/2/2026", "]Status: Map Server is Online.");
  EXPECT_EQ(line, "[1/2/2026]Status: Map Server is Online.");
  BoundedLog log(1000);
  log.Prepend(line);
  EXPECT_EQ(log.Text(), line + "\r\n");
  log.Assign("typed by hand");
  log.Prepend("new");
  EXPECT_EQ(log.Text(), "new\r\ntyped by hand");
}

TEST(StatusLine, MessagesLampFilesAndQuestionsAreExact) {
  const auto rows = MakeManagedServers();
  EXPECT_EQ(StatusMessage(rows[0], StatusEvent::Starting), "]Status: Login Server is Starting.");
  EXPECT_EQ(StatusMessage(rows[1], StatusEvent::Restarting), "]Status: Char Server is Restarting.");
  EXPECT_EQ(StatusMessage(rows[2], StatusEvent::Online), "]Status: Map Server is Online.");
  EXPECT_EQ(StatusMessage(rows[2], StatusEvent::Offline),
            "]Status: Map Server is Offline, restarting in 5 secs.");
  EXPECT_EQ(LampPath("C:\\Program Files\\K", Lamp::Red), "C:\\Program Files\\K\\red.bmp");
  EXPECT_EQ(LampPath("D:", Lamp::Yellow), "D:\\yellow.bmp");
  EXPECT_EQ(LampPath("D:", Lamp::Green), "D:\\green.bmp");
  EXPECT_EQ(RunningServerQuestion(rows[1]),
            "Char Server is running, in order for Brix to\r\nwork correctly it must be closed. "
            "Do you want\r\nto close it now?");
  EXPECT_EQ(rows[0].Executable, "auth-node.exe");
  EXPECT_EQ(rows[1].Executable, "realm-node.exe");
  EXPECT_EQ(rows[2].SettingsSection, "MapServer");
}

class RecordingProcesses : public ProcessControl {
 public:
  bool IsExeRunning(std::string_view exe) override {
    calls.push_back("running? " + std::string(exe));
    for (const auto& r : running) {
      if (r == exe) return true;
    }
    return false;
  }
  bool KillExe(std::string_view exe) override {
    calls.push_back("kill " + std::string(exe));
    return true;
  }
  void LaunchServer(std::string_view) override {}
  std::vector<std::string> running;
  std::vector<std::string> calls;
};

TEST(ServerPrompts, YesEndsTheServerAndNoStopsAtOnce) {
  RecordingProcesses processes;
  processes.running = {"auth-node.exe", "realm-node.exe", "world-node.exe"};
  std::vector<std::string> asked;
  const bool goOn = RunStartUpPrompts(processes, [&](const std::string& caption,
                                                     const std::string& text) {
    EXPECT_EQ(caption, "Warning");
    asked.push_back(text);
    return asked.size() == 1;
  });
  EXPECT_FALSE(goOn);
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].rfind("Login Server is running, in order for Brix to\r\n", 0), 0u);
  EXPECT_EQ(asked[1].rfind("Char Server is running", 0), 0u);
  EXPECT_EQ(processes.calls, (std::vector<std::string>{"running? auth-node.exe",
                                                       "kill auth-node.exe",
                                                       "running? realm-node.exe"}));
}

TEST(ServerPrompts, NothingRunningAsksNothingAndCloseKillsOnlyRunningServers) {
  RecordingProcesses processes;
  int questions = 0;
  EXPECT_TRUE(RunStartUpPrompts(processes, [&](const std::string&, const std::string&) {
    ++questions;
    return false;
  }));
  EXPECT_EQ(questions, 0);

  processes.calls.clear();
  processes.running = {"world-node.exe"};
  KillServersAtClose(processes);
  EXPECT_EQ(processes.calls,
            (std::vector<std::string>{"running? auth-node.exe", "running? realm-node.exe",
                                      "running? world-node.exe", "kill world-node.exe"}));
}

}  // namespace
}  // namespace korvale
