#include "tests/support/skin/SkinActionWait.h"

#include "skin/forms/SkinManager.h"
#include "tests/support/WinTestSupport.h"
#include "toolkit/Timer.h"

namespace korvale::testing {

bool WaitForSkinAction(std::chrono::milliseconds timeout) {
  return WaitFor([] {
    // The tick clears the requesting component; the timer runs only for deferred requests.
    const TSkinManage* manager = SkinManager();
    return !manager || !manager->Timer().Enabled() || !manager->CurrentSkinData();
  }, timeout);
}

}  // namespace korvale::testing
