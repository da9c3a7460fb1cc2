#pragma once

// Waits, pumping, until the skin manager has carried out the request a TSkinData made (its
// deferred activation, deactivation or refresh), instead of sleeping past the delay.
#include <chrono>

namespace korvale::testing {

// True once no request is pending: none was made, it acted at once (before the first window
// activation), or the timer's tick has carried it out.
bool WaitForSkinAction(std::chrono::milliseconds timeout = std::chrono::seconds(5));

}  // namespace korvale::testing
