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

void LaunchServerFrom(std::string_view folder, std::string_view exe) {
  // Started hidden as WinExec would, but without its wait for the server's first idle
  // moment, which under Wine leaves a handle behind on every launch: a crash-looping server
  // relaunched for weeks would exhaust the table. Both handles of the new process are
  // closed at once; the manager finds its servers by name.
  std::string commandLine = ServerCommandLine(folder, exe);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  // A failed start is deliberately not reported; supervision relaunches at the next tick.
  if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

}  // namespace korvale
