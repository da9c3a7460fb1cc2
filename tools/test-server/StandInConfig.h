#pragma once

#include <string>

// What one stand-in server does, read from the files beside its executable.
struct StandInConfig {
  int port = 0;              // 0: no port known, nothing to listen on
  int listenDelayMs = 0;     // wait before listening
  bool neverListen = false;  // alive, but the port stays closed
  int exitAfterMs = 0;       // > 0: vanish without clean-up, as a crash would
  bool noWindow = false;     // own no top-level window, so process lists miss it
};

// The [LoginServer]/[CharServer]/[MapServer] section that belongs to an executable name
// such as "auth-node.exe"; empty for a name that is not one of the three.
std::string SectionForExe(const std::string& exeFileName);

// Reads the settings file and the optional "<name>.port" and "<name>.faults" files of the
// folder, then the "--port N" argument, which wins.
StandInConfig LoadStandInConfig(const std::string& folder, const std::string& exeFileName,
                                const std::string& commandLine);
