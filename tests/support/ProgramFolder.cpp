#include "tests/support/ProgramFolder.h"

#include <winsock2.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <stdexcept>

namespace korvale::testing {

ChildProcess::ChildProcess(ChildProcess&& other) noexcept : info_(other.info_) {
  other.info_ = {};
}

ChildProcess::~ChildProcess() {
  if (!info_.hProcess) return;
  if (Running()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool ChildProcess::Running() const {
  return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD ChildProcess::WaitForExit(std::chrono::milliseconds timeout) const {
  WaitFor([&] { return !Running(); }, timeout);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

void ProgramFolder::WriteSettings(const std::array<int, 3>& ports,
                                  const std::string& general) const {
  static const char* const sections[] = {"LoginServer", "CharServer", "MapServer"};
  std::ostringstream ini;
  for (int i = 0; i < 3; ++i) {
    ini << "[" << sections[i] << "]\r\nAddress=127.0.0.1\r\nPort=" << ports[i]
        << "\r\nChecked=1\r\n";
  }
  ini << "[General]\r\n" << general;
  Write("korvale.ini", ini.str());
}

namespace {

void CopyBeside(const std::string& from, const std::string& to) {
  const std::string source = ExecutableFolder() + "\\" + from;
  if (!CopyFileA(source.c_str(), to.c_str(), FALSE)) {
    throw std::runtime_error("cannot copy " + source + " to " + to);
  }
}

}  // namespace

void ProgramFolder::AddServers() const {
  for (const char* name : {"auth-node.exe", "realm-node.exe", "world-node.exe"}) {
    CopyBeside("test-server.exe", File(name));
  }
}

void ProgramFolder::AddServerAs(const std::string& name) const {
  CopyBeside("test-server.exe", File(name));
}

namespace {

// A 14 x 14 lamp of one colour whose corners hold white, the key of transparent drawing.
std::string LampBitmap(COLORREF colour) {
  constexpr int kSide = 14;
  constexpr int kRow = (kSide * 3 + 3) / 4 * 4;
  std::string bmp(54 + kRow * kSide, '\0');
  auto put32 = [&](size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bmp[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  bmp[0] = 'B';
  bmp[1] = 'M';
  put32(2, static_cast<std::uint32_t>(bmp.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, kSide);
  put32(22, kSide);
  bmp[26] = 1;
  bmp[28] = 24;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const bool corner = (x == 0 || x == kSide - 1) && (y == 0 || y == kSide - 1);
      const COLORREF c = corner ? RGB(255, 255, 255) : colour;
      const size_t at = 54 + static_cast<size_t>(y) * kRow + static_cast<size_t>(x) * 3;
      bmp[at] = static_cast<char>(GetBValue(c));
      bmp[at + 1] = static_cast<char>(GetGValue(c));
      bmp[at + 2] = static_cast<char>(GetRValue(c));
    }
  }
  return bmp;
}

}  // namespace

void ProgramFolder::AddLamps() const {
  Write("red.bmp", LampBitmap(RGB(255, 0, 0)));
  Write("yellow.bmp", LampBitmap(RGB(255, 255, 0)));
  Write("green.bmp", LampBitmap(RGB(0, 255, 0)));
}

void ProgramFolder::AddManager() const { CopyBeside("korvale.exe", File("korvale.exe")); }

ChildProcess ProgramFolder::Start(const std::string& exe, const std::string& arguments) const {
  std::string commandLine = "\"" + File(exe) + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      Path().c_str(), &startup, &info)) {
    throw std::runtime_error("cannot start " + commandLine);
  }
  return ChildProcess(info);
}

bool TryConnect(int port) {
  WSADATA wsa;
  WSAStartup(MAKEWORD(2, 2), &wsa);
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<u_short>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const bool connected =
      connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  closesocket(s);
  WSACleanup();
  return connected;
}

namespace {

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchOwner(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId) return TRUE;
  // The system gives every GUI thread a hidden "IME" window of its own; it is not the
  // program's window.
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::string(className) == "IME") return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

HWND WaitForProcessWindow(DWORD processId, std::chrono::milliseconds timeout) {
  WindowSearch search{processId, nullptr};
  WaitFor(
      [&] {
        EnumWindows(MatchOwner, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
      },
      timeout);
  return search.found;
}

}  // namespace korvale::testing
