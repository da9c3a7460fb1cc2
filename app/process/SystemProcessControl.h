#pragma once

// The process operations and the local clock as the supervision model uses them, on the
// real system.
#include "core/ProcessControl.h"
#include "core/StatusLine.h"

#include <string>
#include <utility>

namespace korvale {

class SystemProcessControl final : public ProcessControl {
 public:
  // Servers are started from the program folder, where the manager finds them.
  explicit SystemProcessControl(std::string programFolder) : programFolder_(std::move(programFolder)) {}
  bool IsExeRunning(std::string_view exe) override;
  bool KillExe(std::string_view exe) override;
  void LaunchServer(std::string_view exe) override;

 private:
  std::string programFolder_;
};

// The local time in the user's short date and long time formats.
class SystemStatusClock final : public StatusClock {
 public:
  LocalDateTime Now() override;
  std::string ShortDate(const LocalDateTime& when) override;
  std::string LongTime(const LocalDateTime& when) override;
};

// The start-up prompts on the real process list; false after a No (the program ends).
[[nodiscard]] bool RunStartUpPrompts(const AskYesNo& ask);

// The close-time kills on the real process list.
void KillServersAtClose();

}  // namespace korvale
