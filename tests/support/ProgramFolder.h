#pragma once

// A program folder for Windows and end-to-end tests: the manager, stand-in servers under the
// three server names (or any other) and a settings file whose addresses are all 127.0.0.1.
#include <windows.h>

#include <array>
#include <chrono>
#include <string>

#include "tests/support/WinTestSupport.h"

namespace korvale::testing {

// A started process, ended (by its id) when the object goes if it is still running.
class ChildProcess {
 public:
  explicit ChildProcess(PROCESS_INFORMATION info) : info_(info) {}
  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess& operator=(ChildProcess&&) = delete;
  ~ChildProcess();
  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Handle() const { return info_.hProcess; }
  bool Running() const;
  // The exit code, or STILL_ACTIVE when the process is still running after the timeout.
  DWORD WaitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;

 private:
  PROCESS_INFORMATION info_{};
};

class ProgramFolder : public TempFolder {
 public:
  ProgramFolder() : TempFolder("korvale-e2e") {}
  explicit ProgramFolder(const std::string& prefix) : TempFolder(prefix) {}
  void WriteSettings(const std::array<int, 3>& ports, const std::string& general = "") const;
  void AddServers() const;   // auth-node.exe, realm-node.exe, world-node.exe
  void AddManager() const;   // korvale.exe
  void AddLamps() const;     // red.bmp, yellow.bmp, green.bmp: 14 x 14, one colour each
  void AddServerAs(const std::string& name) const;  // a stand-in under any file name
  ChildProcess Start(const std::string& exe, const std::string& arguments = "") const;
};

// A blocking connection attempt to 127.0.0.1 with a short timeout.
bool TryConnect(int port);

// The first top-level window (visible or not) owned by the process, waiting up to timeout.
HWND WaitForProcessWindow(DWORD processId,
                          std::chrono::milliseconds timeout = std::chrono::seconds(10));

}  // namespace korvale::testing
