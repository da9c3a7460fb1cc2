#include "tests/host/SupervisionWorld.h"

#include <stdexcept>

#include <cstdio>
#include <limits>

namespace korvale::testing {

const char* Word(ServerId id) {
  switch (id) {
    case ServerId::Login: return "login";
    case ServerId::Char: return "char";
    case ServerId::Map: return "map";
  }
  return "?";
}

SupervisionWorld::SupervisionWorld()
    : model(SupervisionServices{*this, *this, *this, *this, *this, *this, *this}, kFolder) {
  const auto rows = MakeManagedServers();
  for (ServerId id : kServerOrder) {
    Clock(id).interval = rows[Index(id)].InitialTimerInterval;
    Proc(id).port = 17001 + static_cast<int>(Index(id));
    Ui(id).port = Proc(id).port;
  }
}

void SupervisionWorld::RunUntil(std::int64_t time) {
  for (;;) {
    std::int64_t next = std::numeric_limits<std::int64_t>::max();
    for (const Timer& t : timers) {
      if (t.enabled && t.due < next) next = t.due;
    }
    for (const Probe& p : probes) {
      if (p.pending && p.resultAt < next) next = p.resultAt;
    }
    if (next > time) break;
    now = next;
    // Probe results first: they were queued before a timer that falls due at the same time.
    bool handled = false;
    for (ServerId id : kServerOrder) {
      Probe& probe = probes[Index(id)];
      if (!probe.pending || probe.resultAt != now) continue;
      probe.pending = false;
      const Process& proc = Proc(id);
      if (proc.running && proc.accepts && probe.port == proc.port) {
        model.SocketConnect(id);
      } else {
        int code = 10061;
        model.SocketError(id, code);
        lastErrorCode = code;
      }
      handled = true;
      break;
    }
    if (handled) continue;
    for (ServerId id : kServerOrder) {
      Timer& timer = Clock(id);
      if (!timer.enabled || timer.due != now) continue;
      timer.due += timer.interval;
      timer.fired.push_back(now);
      model.TimerTick(id);
      break;
    }
  }
  now = time;
}

std::vector<std::string> SupervisionWorld::LogLines() const {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < log.size()) {
    const std::size_t end = log.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(log.substr(start));
      break;
    }
    lines.push_back(log.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

SupervisionWorld::Process* SupervisionWorld::ByExe(std::string_view exe) {
  const auto rows = MakeManagedServers();
  for (ServerId id : kServerOrder) {
    if (rows[Index(id)].Executable == exe) return &Proc(id);
  }
  return nullptr;
}

bool SupervisionWorld::IsExeRunning(std::string_view exe) {
  Process* p = ByExe(exe);
  return p && p->running;
}

bool SupervisionWorld::KillExe(std::string_view exe) {
  effects.push_back("kill " + std::string(exe));
  if (duringKill) duringKill();
  Process* p = ByExe(exe);
  if (p && p->running) {
    p->running = false;
    ++p->kills;
  }
  return true;
}

void SupervisionWorld::LaunchServer(std::string_view exe) {
  effects.push_back("launch " + std::string(exe));
  Process* p = ByExe(exe);
  if (!p) return;
  ++p->launches;
  if (!p->launchFails) p->running = true;
}

void SupervisionWorld::StartProbe(ServerId id, const std::string& address, int port) {
  effects.push_back(std::string("probe ") + Word(id));
  Probe& probe = probes[Index(id)];
  probe.address = address;
  probe.port = port;
  if (address.empty()) {
    // The socket layer reports an empty address at once, inside the activation.
    int code = 10049;
    model.SocketError(id, code);
    lastErrorCode = code;
    return;
  }
  probe.pending = true;
  probe.resultAt = now + probeLatency;
}

void SupervisionWorld::CloseProbe(ServerId id) {
  effects.push_back(std::string("close ") + Word(id));
  probes[Index(id)].pending = false;
}

void SupervisionWorld::SetTimerEnabled(ServerId id, bool enabled) {
  effects.push_back(std::string(enabled ? "timer-on " : "timer-off ") + Word(id));
  Timer& timer = Clock(id);
  if (timer.enabled == enabled) return;
  timer.enabled = enabled;
  timer.due = now + timer.interval;
}

void SupervisionWorld::SetTimerInterval(ServerId id, int milliseconds) {
  Timer& timer = Clock(id);
  timer.interval = milliseconds;
  timer.due = now + milliseconds;
}

void SupervisionWorld::ShowLamp(ServerId id, const std::string& bitmapPath) {
  effects.push_back(std::string("lamp ") + Word(id));
  Ui(id).lampPath = bitmapPath;
}

void SupervisionWorld::SetStatusLabel(ServerId id, std::string_view text) {
  Ui(id).label = std::string(text);
}

void SupervisionWorld::AddLine(const std::string& line) {
  if (logFails) throw std::runtime_error("Cannot create file");
  effects.push_back("log");
  log = line + "\r\n" + log;
  ++logChanges;
}

void SupervisionWorld::SetActivationCaption(std::string_view text) {
  effects.push_back("caption " + std::string(text));
  caption = std::string(text);
}

LocalDateTime SupervisionWorld::Now() {
  const std::int64_t seconds = 13 * 3600 + now / 1000;
  return {2026, 12, 8, static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
          static_cast<int>(seconds % 60), static_cast<int>(now % 1000)};
}

std::string SupervisionWorld::ShortDate(const LocalDateTime& when) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", when.Day, when.Month, when.Year);
  return text;
}

std::string SupervisionWorld::LongTime(const LocalDateTime& when) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", when.Hour, when.Minute, when.Second);
  return text;
}

}  // namespace korvale::testing
