#pragma once

#include <exception>
#include <functional>
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

// Shows an exception that reached a window procedure or another system callback, where it
// must not unwind further. The application installs its error dialog here; until then a
// plain system message box shows the text.
void HandleException(const std::exception& error);
void SetExceptionHandler(std::function<void(const std::exception&)> handler);

// Runs a callback body so that no exception escapes into system code.
template <typename F>
void GuardCallback(F&& body) {
  try {
    body();
  } catch (const std::exception& error) {
    HandleException(error);
  }
}

}  // namespace korvale
