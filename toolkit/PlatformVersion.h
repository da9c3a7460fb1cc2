#pragma once

// The platform family the program runs on, asked once wherever it matters (the start-up
// check, the colour-key blit's method).
#include <windows.h>

#include <optional>

namespace korvale {

// VER_PLATFORM_WIN32s, VER_PLATFORM_WIN32_WINDOWS or VER_PLATFORM_WIN32_NT; nothing when
// the system does not say.
std::optional<DWORD> PlatformId();

}  // namespace korvale
