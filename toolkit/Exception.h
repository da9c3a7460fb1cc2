#pragma once

#include <stdexcept>
#include <string>

namespace korvale {

// The toolkit's error: a message for the error dialog. An exception that leaves an event
// handler is shown by the application and abandons that handler.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

}  // namespace korvale
