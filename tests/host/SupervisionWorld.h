#pragma once

// A simulated machine for the supervision model: a millisecond clock, timers that fire at
// their intervals, server processes that accept connections on their ports, probes whose
// results arrive a moment after they start, and the window's controls.
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/Supervision.h"

namespace korvale::testing {

inline constexpr const char* kFolder = "C:\\Korvale";

class SupervisionWorld : public ProcessControl,
                         public ProbeSockets,
                         public ServerTimers,
                         public StatusDisplay,
                         public LogText,
                         public SupervisionSettings,
                         public StatusClock {
 public:
  struct Timer {
    bool enabled = false;
    int interval = 0;
    std::int64_t due = 0;
    std::vector<std::int64_t> fired;
  };
  struct Process {
    bool running = false;
    bool accepts = true;  // accepts connections on its port while running
    int port = 0;
    bool launchFails = false;
    int launches = 0;
    int kills = 0;
  };
  struct Probe {
    bool pending = false;
    std::int64_t resultAt = 0;
    std::string address;
    int port = 0;
  };
  struct View {
    std::string lampPath = "built-in red";
    std::string label = "Off";
    bool checked = true;
    std::string address = "127.0.0.1";
    int port = 0;
  };

  SupervisionWorld();

  // Fires every timer and probe result that falls due up to this time, in time order.
  void RunUntil(std::int64_t time);
  void RunFor(std::int64_t duration) { RunUntil(now + duration); }

  Process& Proc(ServerId id) { return processes[Index(id)]; }
  View& Ui(ServerId id) { return views[Index(id)]; }
  Timer& Clock(ServerId id) { return timers[Index(id)]; }
  std::vector<std::string> LogLines() const;

  // ProcessControl
  bool IsExeRunning(std::string_view exe) override;
  bool KillExe(std::string_view exe) override;
  void LaunchServer(std::string_view exe) override;
  // ProbeSockets
  void StartProbe(ServerId server, const std::string& address, int port) override;
  void CloseProbe(ServerId server) override;
  // ServerTimers
  void SetTimerEnabled(ServerId server, bool enabled) override;
  void SetTimerInterval(ServerId server, int milliseconds) override;
  // StatusDisplay
  void ShowLamp(ServerId server, const std::string& bitmapPath) override;
  void SetStatusLabel(ServerId server, std::string_view text) override;
  void SetRateLabel(const std::string& text) override { rateLabel = text; }
  // LogText
  void AddLine(const std::string& line) override;
  // SupervisionSettings
  std::string ActivationCaption() override { return caption; }
  void SetActivationCaption(std::string_view text) override;
  bool IsServerChecked(ServerId server) override { return Ui(server).checked; }
  std::string AddressText(ServerId server) override { return Ui(server).address; }
  int PortValue(ServerId server) override { return Ui(server).port; }
  // StatusClock: day 8 Dec 2026 from 13:00:00 on, "dd.mm.yyyy" and "hh:mm:ss".
  LocalDateTime Now() override;
  std::string ShortDate(const LocalDateTime& when) override;
  std::string LongTime(const LocalDateTime& when) override;

  std::int64_t now = 0;
  std::array<Timer, 3> timers;
  std::array<Process, 3> processes;
  std::array<Probe, 3> probes;
  std::array<View, 3> views;
  std::string caption = "Activate";
  std::string rateLabel = "5000ms";
  std::string log;
  int logChanges = 0;
  // A log whose file cannot be written: every change throws, as the window's handler does.
  bool logFails = false;
  std::int64_t probeLatency = 20;
  // Every effect in the order it happened, as "verb server" words.
  std::vector<std::string> effects;
  // Runs inside KillExe, as the message pump of a real kill would run other handlers.
  std::function<void()> duringKill;
  int lastErrorCode = -1;

  SupervisionModel model;

 private:
  Process* ByExe(std::string_view exe);
};

const char* Word(ServerId id);

}  // namespace korvale::testing
