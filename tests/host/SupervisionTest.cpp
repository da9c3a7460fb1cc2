// The supervision cycle on a simulated machine: timing of launches and probes, the status
// lines, lamps and labels, the refresh rate, and the activation switch.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>

#include "tests/host/SupervisionWorld.h"

namespace korvale::testing {
namespace {

constexpr ServerId kLogin = ServerId::Login;
constexpr ServerId kChar = ServerId::Char;
constexpr ServerId kMap = ServerId::Map;

std::string Lamp(const char* colour) { return std::string(kFolder) + "\\" + colour + ".bmp"; }

long Count(const std::vector<std::string>& lines, const std::string& tail) {
  return std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
    return line.size() >= tail.size() &&
           line.compare(line.size() - tail.size(), tail.size(), tail) == 0;
  });
}

TEST(Supervision, DefaultTimingLaunchesAtFirstTickAndProbesFromTheSecond) {
  SupervisionWorld world;
  world.model.Button1Click();
  EXPECT_EQ(world.caption, "Deactivate");
  EXPECT_TRUE(world.model.IsActive());

  world.RunUntil(4999);
  EXPECT_EQ(world.Proc(kLogin).launches, 0);
  EXPECT_TRUE(world.log.empty());

  world.RunUntil(5000);
  EXPECT_EQ(world.Proc(kLogin).launches, 1);
  EXPECT_EQ(world.Proc(kChar).launches, 1);
  EXPECT_EQ(world.Proc(kMap).launches, 0);
  // Newest first, each line ends with CR LF.
  EXPECT_EQ(world.log,
            "[08.12.2026 13:00:05]Status: Char Server is Starting.\r\n"
            "[08.12.2026 13:00:05]Status: Login Server is Starting.\r\n");
  EXPECT_EQ(world.Ui(kLogin).lampPath, Lamp("yellow"));
  EXPECT_EQ(world.Ui(kLogin).label, "Off");
  EXPECT_EQ(world.probes[Index(kLogin)].address, "");

  world.RunUntil(10000 + world.probeLatency);
  EXPECT_EQ(world.probes[Index(kLogin)].address, "127.0.0.1");
  EXPECT_EQ(world.probes[Index(kLogin)].port, 17001);
  EXPECT_EQ(world.Ui(kLogin).lampPath, Lamp("green"));
  EXPECT_EQ(world.Ui(kLogin).label, "On");
  EXPECT_EQ(world.Ui(kChar).label, "On");
  EXPECT_EQ(world.LogLines()[0], "[08.12.2026 13:00:10]Status: Char Server is Online.");
  EXPECT_EQ(world.LogLines()[1], "[08.12.2026 13:00:10]Status: Login Server is Online.");
  EXPECT_EQ(world.Ui(kMap).lampPath, "built-in red");

  world.RunUntil(49999);
  EXPECT_EQ(world.Proc(kMap).launches, 0);
  world.RunUntil(50000);
  EXPECT_EQ(world.Proc(kMap).launches, 1);
  EXPECT_EQ(world.LogLines()[0], "[08.12.2026 13:00:50]Status: Map Server is Starting.");
  world.RunUntil(99999);
  EXPECT_EQ(world.Ui(kMap).label, "Off");
  world.RunUntil(100000 + world.probeLatency);
  EXPECT_EQ(world.Ui(kMap).label, "On");
  EXPECT_EQ(world.LogLines()[0], "[08.12.2026 13:01:40]Status: Map Server is Online.");

  // Steady state: probes only, no further launches and no further lines.
  world.RunUntil(300000);
  EXPECT_EQ(world.Proc(kLogin).launches, 1);
  EXPECT_EQ(world.LogLines().size(), 6u);
  EXPECT_EQ(world.Clock(kLogin).fired.size(), 60u);
  EXPECT_EQ(world.Clock(kMap).fired.size(), 6u);
}

TEST(Supervision, SliderSetsAllThreeIntervalsIncludingTheMapTimer) {
  SupervisionWorld world;
  world.model.Button1Click();
  world.RunUntil(1000);
  world.model.RateSliderChange(3000);
  EXPECT_EQ(world.rateLabel, "3000ms");
  world.RunUntil(10000);
  for (ServerId id : kServerOrder) {
    EXPECT_EQ(world.Clock(id).fired, (std::vector<std::int64_t>{4000, 7000, 10000})) << Word(id);
  }
  world.model.RateSliderChange(5000);
  EXPECT_EQ(world.rateLabel, "5000ms");
  world.RunUntil(25000);
  EXPECT_EQ(world.Clock(kMap).fired,
            (std::vector<std::int64_t>{4000, 7000, 10000, 15000, 20000, 25000}));
  EXPECT_EQ(world.Clock(kLogin).fired, world.Clock(kMap).fired);
}

TEST(Supervision, ServerKilledWhileOnlineRestartsAndReportsOnlineOnce) {
  SupervisionWorld world;
  world.model.Button1Click();
  world.RunUntil(12000);
  ASSERT_EQ(world.Ui(kLogin).label, "On");
  world.Proc(kLogin).running = false;  // ended from outside

  world.RunUntil(15000);
  EXPECT_EQ(world.LogLines()[0], "[08.12.2026 13:00:15]Status: Login Server is Restarting.");
  EXPECT_EQ(world.Ui(kLogin).lampPath, Lamp("yellow"));
  EXPECT_EQ(world.Ui(kLogin).label, "Off");
  EXPECT_FALSE(world.model.Server(kLogin).OnlineReported);

  world.RunUntil(60000);
  EXPECT_EQ(world.Proc(kLogin).launches, 2);
  EXPECT_EQ(Count(world.LogLines(), "Login Server is Online."), 2);
  EXPECT_EQ(world.LogLines().back(),
            "[08.12.2026 13:00:05]Status: Login Server is Starting.");
  EXPECT_EQ(world.Ui(kLogin).label, "On");
}

TEST(Supervision, RunningServerWithClosedPortStaysYellowAndIsNeverRelaunched) {
  SupervisionWorld world;
  world.Proc(kLogin).accepts = false;
  world.model.Button1Click();
  world.RunUntil(30000);
  // Never online since its launch: failures write nothing.
  EXPECT_EQ(Count(world.LogLines(), "Login Server is Offline, restarting in 5 secs."), 0);
  EXPECT_EQ(world.Ui(kLogin).lampPath, Lamp("yellow"));
  EXPECT_EQ(world.Ui(kLogin).label, "Off");
  EXPECT_EQ(world.Proc(kLogin).launches, 1);
  EXPECT_EQ(world.lastErrorCode, 0);

}

TEST(Supervision, OfflineLineRepeatsOnEveryFailedProbeAfterBeingOnline) {
  SupervisionWorld world;
  world.model.Button1Click();
  world.RunUntil(12000);
  ASSERT_EQ(world.Ui(kChar).label, "On");
  world.Proc(kChar).accepts = false;
  world.RunUntil(30000 + world.probeLatency);
  const auto lines = world.LogLines();
  EXPECT_EQ(Count(lines, "Char Server is Offline, restarting in 5 secs."), 4);  // 15..30 s
  EXPECT_EQ(lines[0], "[08.12.2026 13:00:30]Status: Char Server is Offline, restarting in 5 secs.");
  EXPECT_EQ(world.Ui(kChar).lampPath, Lamp("yellow"));
  EXPECT_EQ(world.Ui(kChar).label, "Off");
  EXPECT_EQ(world.Proc(kChar).launches, 1);
  EXPECT_EQ(world.Proc(kChar).kills, 0);

  // Back online: green again without a new "Online." line.
  world.Proc(kChar).accepts = true;
  world.RunUntil(35000 + world.probeLatency);
  EXPECT_EQ(world.Ui(kChar).label, "On");
  EXPECT_EQ(Count(world.LogLines(), "Char Server is Online."), 1);
}

TEST(Supervision, EmptyAddressOrWrongPortFailsThroughTheSamePath) {
  SupervisionWorld world;
  world.Ui(kLogin).address = "";
  world.Ui(kChar).port = 0;  // a port field that does not read as an integer
  world.model.Button1Click();
  world.RunUntil(10000 + world.probeLatency);
  EXPECT_EQ(world.lastErrorCode, 0);
  for (ServerId id : {kLogin, kChar}) {
    EXPECT_EQ(world.Ui(id).lampPath, Lamp("yellow")) << Word(id);
    EXPECT_EQ(world.Ui(id).label, "Off") << Word(id);
  }
  EXPECT_FALSE(world.probes[Index(kLogin)].pending);
  // A changed address takes effect at the next probe.
  world.Ui(kLogin).address = "127.0.0.1";
  world.RunUntil(15000 + world.probeLatency);
  EXPECT_EQ(world.Ui(kLogin).label, "On");
  EXPECT_EQ(world.LogLines()[0], "[08.12.2026 13:00:15]Status: Login Server is Online.");
}

TEST(Supervision, UncheckedServerIsEndedAndRecheckedServerRestarts) {
  SupervisionWorld world;
  world.model.Button1Click();
  world.RunUntil(12000);
  world.Ui(kLogin).checked = false;
  world.RunUntil(15000);
  EXPECT_EQ(world.Ui(kLogin).lampPath, Lamp("red"));
  EXPECT_EQ(world.Ui(kLogin).label, "Off");
  EXPECT_FALSE(world.Proc(kLogin).running);
  EXPECT_EQ(world.Proc(kLogin).kills, 1);
  world.RunUntil(25000);
  EXPECT_EQ(world.Proc(kLogin).kills, 1);
  EXPECT_EQ(world.Proc(kLogin).launches, 1);

  world.Ui(kLogin).checked = true;
  world.RunUntil(30000);
  EXPECT_EQ(world.Proc(kLogin).launches, 2);
  EXPECT_EQ(world.LogLines()[0], "[08.12.2026 13:00:30]Status: Login Server is Restarting.");
}

TEST(Supervision, DeactivationEndsEverythingSilentlyAndTheNextActivationStartsAgain) {
  SupervisionWorld world;
  world.Ui(kMap).checked = false;
  world.model.Button1Click();
  world.RunUntil(12000);
  const std::string logBefore = world.log;
  world.effects.clear();

  world.model.Button1Click();
  EXPECT_EQ(world.caption, "Activate");
  EXPECT_FALSE(world.model.IsActive());
  EXPECT_EQ(world.log, logBefore);
  // Timers and sockets stop before any process is ended; the map server is ended too
  // although it is not enabled.
  EXPECT_EQ(world.effects,
            (std::vector<std::string>{"caption Activate", "timer-off login", "timer-off char",
                                      "timer-off map", "close login", "close char", "close map",
                                      "kill auth-node.exe", "kill realm-node.exe",
                                      "kill world-node.exe", "lamp login", "lamp char",
                                      "lamp map"}));
  for (ServerId id : kServerOrder) {
    EXPECT_FALSE(world.Proc(id).running) << Word(id);
    EXPECT_EQ(world.Ui(id).lampPath, Lamp("red")) << Word(id);
    EXPECT_EQ(world.Ui(id).label, "Off") << Word(id);
    EXPECT_FALSE(world.Clock(id).enabled) << Word(id);
  }
  world.RunUntil(60000);
  EXPECT_EQ(world.log, logBefore);

  world.model.Button1Click();
  world.RunUntil(65000);
  EXPECT_EQ(world.LogLines()[0], "[08.12.2026 13:01:05]Status: Char Server is Starting.");
  EXPECT_EQ(world.LogLines()[1], "[08.12.2026 13:01:05]Status: Login Server is Starting.");
}

TEST(Supervision, ServerUncheckedAtActivationGetsNoTimer) {
  SupervisionWorld world;
  world.Ui(kMap).checked = false;
  world.model.Button1Click();
  EXPECT_FALSE(world.Clock(kMap).enabled);
  world.RunUntil(1000);
  world.Ui(kMap).checked = true;  // changes nothing until the next activation
  world.RunUntil(200000);
  EXPECT_TRUE(world.Clock(kMap).fired.empty());
  EXPECT_EQ(world.Proc(kMap).launches, 0);
  EXPECT_EQ(world.Ui(kMap).lampPath, "built-in red");
  EXPECT_EQ(Count(world.LogLines(), "Map Server is Starting."), 0);
}

TEST(Supervision, FailedLaunchIsNotDetectedAndRepeatsAtEveryTick) {
  SupervisionWorld world;
  world.Proc(kLogin).launchFails = true;
  world.model.Button1Click();
  world.RunUntil(15000);
  EXPECT_EQ(world.Proc(kLogin).launches, 3);
  EXPECT_EQ(Count(world.LogLines(), "Login Server is Starting."), 1);
  EXPECT_EQ(Count(world.LogLines(), "Login Server is Restarting."), 2);
  EXPECT_EQ(world.Ui(kLogin).lampPath, Lamp("yellow"));
}

TEST(Supervision, HandlersRunNestedInsideAKillLeaveConsistentState) {
  // A kill pumps messages: here the char server's tick and a late result of the login
  // server's probe run inside the kill of the now disabled login server.
  SupervisionWorld world;
  world.model.Button1Click();
  world.RunUntil(12000);
  world.Ui(kLogin).checked = false;
  world.Proc(kChar).running = false;
  std::vector<std::string> nestedEffects;
  world.duringKill = [&] {
    world.duringKill = nullptr;
    const std::size_t before = world.effects.size();
    world.model.TimerTick(kChar);
    world.model.SocketConnect(kLogin);
    nestedEffects.assign(world.effects.begin() + static_cast<long>(before), world.effects.end());
  };
  world.RunUntil(15000);
  // The char server was relaunched inside the kill, before its own tick of this moment.
  EXPECT_EQ(nestedEffects, (std::vector<std::string>{"launch realm-node.exe", "lamp char", "log"}));
  EXPECT_EQ(world.Proc(kChar).launches, 2);
  EXPECT_EQ(world.LogLines()[0], "[08.12.2026 13:00:15]Status: Char Server is Restarting.");
  // The late connect of the disabled server neither lights it nor writes a line.
  EXPECT_EQ(world.Ui(kLogin).lampPath, Lamp("red"));
  EXPECT_EQ(world.Ui(kLogin).label, "Off");
  EXPECT_EQ(Count(world.LogLines(), "Login Server is Online."), 1);
  EXPECT_FALSE(world.Proc(kLogin).running);
  EXPECT_FALSE(world.model.Server(kLogin).FirstTick);
  EXPECT_FALSE(world.model.Server(kChar).FirstTick);
}

TEST(Supervision, ResultsAfterTheProbeClosedChangeNothing) {
  // Each row closes the login server's probe of the 10 s tick in another way, then a late
  // connect and a late failure arrive.
  const struct {
    const char* how;
    std::function<void(SupervisionWorld&)> close;
    const char* lamp;
    const char* label;
  } cases[] = {
      {"disabled tick", [](SupervisionWorld& w) {
         w.Ui(kLogin).checked = false;
         w.model.TimerTick(kLogin);
       }, "red", "Off"},
      {"deactivation", [](SupervisionWorld& w) { w.model.Button1Click(); }, "red", "Off"},
      {"first result", [](SupervisionWorld& w) { w.model.SocketConnect(kLogin); }, "green", "On"},
  };
  for (const auto& c : cases) {
    SupervisionWorld world;
    world.probeLatency = 1000000;  // the world itself never answers
    world.model.Button1Click();
    world.RunUntil(10000);
    ASSERT_TRUE(world.probes[Index(kLogin)].pending) << c.how;
    c.close(world);
    const std::string log = world.log;
    int code = 10061;
    world.model.SocketConnect(kLogin);
    world.model.SocketError(kLogin, code);
    EXPECT_EQ(code, 0) << c.how;
    EXPECT_EQ(world.Ui(kLogin).lampPath, Lamp(c.lamp)) << c.how;
    EXPECT_EQ(world.Ui(kLogin).label, c.label) << c.how;
    EXPECT_EQ(world.log, log) << c.how;
  }
}

TEST(Supervision, ALogThatCannotBeWrittenLeavesLaunchesAndLampsComplete) {
  SupervisionWorld world;
  world.model.Button1Click();
  world.logFails = true;
  EXPECT_THROW(world.model.TimerTick(kLogin), std::runtime_error);
  EXPECT_EQ(world.Proc(kLogin).launches, 1);
  EXPECT_EQ(world.Ui(kLogin).lampPath, Lamp("yellow"));
  EXPECT_FALSE(world.model.Server(kLogin).FirstTick);
  world.model.TimerTick(kLogin);  // running now: a probe goes out
  EXPECT_THROW(world.model.SocketConnect(kLogin), std::runtime_error);
  EXPECT_EQ(world.Ui(kLogin).lampPath, Lamp("green"));
  EXPECT_EQ(world.Ui(kLogin).label, "On");
  EXPECT_TRUE(world.model.Server(kLogin).OnlineReported);
  EXPECT_FALSE(world.probes[0].pending);
  // Once the file can be written again, the lines go on from where the state is.
  world.logFails = false;
  world.Proc(kLogin).running = false;
  world.model.TimerTick(kLogin);
  EXPECT_EQ(world.LogLines()[0], "[08.12.2026 13:00:00]Status: Login Server is Restarting.");
}

TEST(Supervision, CaptionOtherThanActivateCountsAsActive) {
  SupervisionWorld world;
  world.caption = "activate";  // compared as exact text
  world.model.Button1Click();
  EXPECT_EQ(world.caption, "Activate");
  EXPECT_FALSE(world.Clock(kLogin).enabled);
  EXPECT_TRUE(world.model.Server(kLogin).FirstTick);
}

}  // namespace
}  // namespace korvale::testing
