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

std::string PrependLine(std::string_view line, std::string_view oldText) {
  std::string text;
  text.reserve(line.size() + 2 + oldText.size());
  text += line;
  text += "\r\n";
  text += oldText;
  return text;
}

}  // namespace korvale
