#pragma once

// Checks made while a menu's own modal loop runs. `open` starts the loop (TrackPopupMenu, a
// click on a menu bar, a key) and returns when it ends; once a menu window "#32768" of this
// thread shows, `inspect` runs inside the loop with that window, and then EndMenu ends the
// menu. The answer is what `inspect` returned, or nothing when no menu window showed.
#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>

namespace korvale::testing {

// Answers whether `inspect` ran. When no menu shows within `timeout` while `open` still runs,
// EndMenu is called anyway so that a test cannot hang in a loop.
bool RunInsideMenuLoop(const std::function<void()>& open, const std::function<void(HWND menuWindow)>& inspect,
                       std::chrono::milliseconds timeout = std::chrono::seconds(10));

template <typename Inspect>
auto InsideMenuLoop(const std::function<void()>& open, Inspect inspect)
    -> std::optional<decltype(inspect(HWND{}))> {
  std::optional<decltype(inspect(HWND{}))> found;
  RunInsideMenuLoop(open, [&](HWND menuWindow) { found = inspect(menuWindow); });
  return found;
}

}  // namespace korvale::testing
