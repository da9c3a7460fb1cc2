#include "app/process/ServerLauncher.h"

#include <windows.h>

#include <vector>

namespace korvale {

std::string ProgramFolder() {
  std::vector<char> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      std::string full(path.data(), length);
      const auto cut = full.find_last_of("\\/");
      return cut == std::string::npos ? std::string() : full.substr(0, cut);
    }
    path.resize(path.size() * 2);  // truncated: try again with room for a long path
  }
}

std::string ServerCommandLine(std::string_view folder, std::string_view exe) {
  std::string line = "\"";
  line += folder;
  line += '\\';
  line += exe;
  line += '"';
  return line;
}

void LaunchServer(std::string_view exe) { LaunchServerFrom(ProgramFolder(), exe); }

void LaunchServerFrom(std::string_view folder, std::string_view exe) {
  // A failed start is deliberately not reported; supervision relaunches at the next tick.
  (void)WinExec(ServerCommandLine(folder, exe).c_str(), SW_HIDE);
}

}  // namespace korvale
