#pragma once

// When and how the log reaches its two files: korvale.log, rewritten whole so that it equals
// the view, and korvale.old.log, to which the lines that fell off the view are appended.
// Rewrites are spaced at least a period apart, so a burst of status lines costs one write;
// a failure is reported once and then not again until a write has succeeded.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvale {

// A burst of status lines costs the disk one write of the bounded log a second at most.
inline constexpr std::int64_t kLogWritePeriodMs = 1000;

// The two files. Both throw the toolkit's error when the file cannot be written.
class LogFiles {
 public:
  virtual ~LogFiles() = default;
  virtual void AppendOld(const std::string& lines) = 0;
  virtual void RewriteCurrent(const std::string& text) = 0;
};

class LogFileWriter {
 public:
  LogFileWriter(LogFiles& files, std::int64_t periodMs) : files_(files), period_(periodMs) {}

  // Queues lines that fell off the view (oldest first, each followed by CR LF); they stay
  // queued until an append succeeds, so none is lost to a failing write.
  void Retire(std::string_view lines) { pendingOld_ += lines; }
  // The log changed: a write waits until DueIn says.
  void Changed() { waiting_ = true; }
  // Milliseconds from now until the waiting write is due: 0 when no write happened in the
  // last period; nothing when none waits.
  std::optional<std::int64_t> DueIn(std::int64_t now) const;
  // Appends the queued old lines, then rewrites the current file with this text. The first
  // failure is thrown; later ones are not, until a write has succeeded again, because the
  // one report already stands for them.
  void Write(const std::string& currentText, std::int64_t now);

  bool Waiting() const { return waiting_; }
  bool Failing() const { return failing_; }

 private:
  LogFiles& files_;
  std::int64_t period_;
  std::optional<std::int64_t> lastWrite_;
  bool waiting_ = false;
  bool failing_ = false;
  std::string pendingOld_;
};

}  // namespace korvale
