#pragma once

// Time-stamped status lines.
#include <string>
#include <string_view>

namespace korvale {

// A local date and time as the system clock reports it.
struct LocalDateTime {
  int Year = 0;
  int Month = 0;  // 1..12
  int Day = 0;    // 1..31
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
};

// The clock and the user's date and time formats, injected so that the supervision model
// stays free of the platform and its tests control the time.
class StatusClock {
 public:
  virtual ~StatusClock() = default;
  virtual LocalDateTime Now() = 0;
  virtual std::string ShortDate(const LocalDateTime& when) = 0;
  virtual std::string LongTime(const LocalDateTime& when) = 0;
};

// Short date, a blank and long time; at exactly 00:00:00 (milliseconds aside) the blank
// and the time are left out.
std::string TimeStamp(StatusClock& clock, const LocalDateTime& when);

// "[" + stamp + message: messages start with "]".
std::string StatusLine(std::string_view stamp, std::string_view message);

}  // namespace korvale
