#include "toolkit/PlatformVersion.h"

namespace korvale {

std::optional<DWORD> PlatformId() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  // The family is all that is asked, which the deprecated call still answers truly.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  const BOOL known = GetVersionExA(&info);
#pragma GCC diagnostic pop
  if (!known) return std::nullopt;
  return info.dwPlatformId;
}

}  // namespace korvale
