#include "tests/support/MenuLoopDriver.h"

#include "tests/support/LoopTicker.h"
#include "tests/support/WinTestSupport.h"

namespace korvale::testing {

bool RunInsideMenuLoop(const std::function<void()>& open, const std::function<void(HWND)>& inspect,
                       std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  bool inspected = false;
  bool ended = false;
  LoopTicker ticker([&] {
    if (ended) return;
    if (HWND menu = FindThreadWindow("#32768")) {
      inspect(menu);
      inspected = true;
    } else if (std::chrono::steady_clock::now() < deadline) {
      return;
    }
    ended = true;
    EndMenu();
  });
  open();
  return inspected;
}

}  // namespace korvale::testing
