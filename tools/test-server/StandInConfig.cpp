#include "tools/test-server/StandInConfig.h"

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "core/ProcessNames.h"

namespace {

std::string BaseName(const std::string& exeFileName) {
  const auto dot = exeFileName.find_last_of('.');
  return dot == std::string::npos ? exeFileName : exeFileName.substr(0, dot);
}

int ReadIntFile(const std::string& path, int fallback) {
  std::ifstream in(path);
  int value = 0;
  return (in >> value) ? value : fallback;
}

void ApplyFaults(const std::string& path, StandInConfig& config) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string knob;
    int value = 1;
    words >> knob >> value;
    if (knob == "listen-delay-ms") config.listenDelayMs = value;
    else if (knob == "never-listen") config.neverListen = value != 0;
    else if (knob == "exit-after-ms") config.exitAfterMs = value;
    else if (knob == "no-window") config.noWindow = value != 0;
  }
}

}  // namespace

std::string SectionForExe(const std::string& exeFileName) {
  const std::string name = korvale::AsciiUpper(exeFileName);
  if (name == "AUTH-NODE.EXE") return "LoginServer";
  if (name == "REALM-NODE.EXE") return "CharServer";
  if (name == "WORLD-NODE.EXE") return "MapServer";
  return {};
}

StandInConfig LoadStandInConfig(const std::string& folder, const std::string& exeFileName,
                                const std::string& commandLine) {
  StandInConfig config;
  const std::string section = SectionForExe(exeFileName);
  if (!section.empty()) {
    const std::string ini = folder + "\\korvale.ini";
    config.port = static_cast<int>(GetPrivateProfileIntA(section.c_str(), "Port", 0, ini.c_str()));
  }
  const std::string base = folder + "\\" + BaseName(exeFileName);
  config.port = ReadIntFile(base + ".port", config.port);
  ApplyFaults(base + ".faults", config);

  const auto flag = commandLine.find("--port ");
  if (flag != std::string::npos) config.port = std::atoi(commandLine.c_str() + flag + 7);
  return config;
}
