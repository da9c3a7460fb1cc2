#include "core/LogFileWriter.h"

#include <algorithm>
#include <exception>

namespace korvale {

std::optional<std::int64_t> LogFileWriter::DueIn(std::int64_t now) const {
  if (!waiting_) return std::nullopt;
  if (!lastWrite_) return 0;
  return std::max<std::int64_t>(0, *lastWrite_ + period_ - now);
}

void LogFileWriter::Write(const std::string& currentText, std::int64_t now) {
  waiting_ = false;
  lastWrite_ = now;
  try {
    // Old lines first: the current file may drop them only once they are safe elsewhere.
    if (!pendingOld_.empty()) {
      files_.AppendOld(pendingOld_);
      pendingOld_.clear();
    }
    files_.RewriteCurrent(currentText);
  } catch (const std::exception&) {
    if (failing_) return;
    failing_ = true;
    throw;
  }
  failing_ = false;
}

}  // namespace korvale
