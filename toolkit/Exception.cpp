#include "toolkit/Exception.h"

#include <windows.h>

namespace korvale {

namespace {

std::function<void(const std::exception&)>& Handler() {
  static std::function<void(const std::exception&)> handler;
  return handler;
}

}  // namespace

void HandleException(const std::exception& error) {
  if (Handler()) {
    Handler()(error);
    return;
  }
  MessageBoxA(GetActiveWindow(), error.what(), "Error", MB_OK | MB_ICONERROR);
}

void SetExceptionHandler(std::function<void(const std::exception&)> handler) {
  Handler() = std::move(handler);
}

}  // namespace korvale
