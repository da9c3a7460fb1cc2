#pragma once

// Server processes as the manager sees them, and the start-up and close-time rules that use
// nothing else.
#include <functional>
#include <string>
#include <string_view>

namespace korvale {

// Finding, ending and starting server executables by file name.
class ProcessControl {
 public:
  virtual ~ProcessControl() = default;
  virtual bool IsExeRunning(std::string_view exe) = 0;
  // May process pending window messages while it waits, so any handler of the model can
  // run nested inside it.
  virtual bool KillExe(std::string_view exe) = 0;
  virtual void LaunchServer(std::string_view exe) = 0;
};

// Asks a Yes/No question (caption "Warning", exclamation icon); true for Yes.
using AskYesNo = std::function<bool(const std::string& caption, const std::string& text)>;

inline constexpr std::string_view kWarningCaption = "Warning";

// For login, char and map in turn: a running server is named in a question; Yes ends it,
// No stops at once. Returns false after a No: the program must end without supervising.
[[nodiscard]] bool RunStartUpPrompts(ProcessControl& processes, const AskYesNo& ask);

// For login, char and map in turn: a running server is ended without asking.
void KillServersAtClose(ProcessControl& processes);

}  // namespace korvale
