#include "core/StatusLine.h"

namespace korvale {

std::string TimeStamp(StatusClock& clock, const LocalDateTime& when) {
  std::string stamp = clock.ShortDate(when);
  if (when.Hour != 0 || when.Minute != 0 || when.Second != 0) {
    stamp += ' ';
    stamp += clock.LongTime(when);
  }
  return stamp;
}

std::string StatusLine(std::string_view stamp, std::string_view message) {
  std::string line = "[";
  line += stamp;
  line += message;
  return line;
}

}  // namespace korvale
