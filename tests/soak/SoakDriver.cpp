// The soak run: the real manager in a program folder of its own, supervising three
// stand-ins that exit two seconds after every start, at a refresh rate of one second, for
// the given number of minutes (10 by default). Each minute it reports how often each server
// was started, the longest time one stayed down, the slowest answer of the window, and the
// manager's GDI objects, USER objects and handles. It exits with 0 when the window always
// answered, every server came back within the limit, and the counts are flat from the
// second minute on.
#include <winsock2.h>
#include <windows.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/AsciiText.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/WinTestSupport.h"
#include "tests/soak/ProcessHandles.h"

namespace korvale::testing {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr const char* kServers[] = {"auth-node.exe", "realm-node.exe", "world-node.exe"};
constexpr std::array<int, 3> kPorts = {19401, 19402, 19403};
constexpr milliseconds kAnswerTimeout{5000};
// From a server's end to its next process: a tick of a second, and Wine's start of a
// process, which takes seconds on a loaded two-core machine.
constexpr milliseconds kLongestDown{10000};
// The lowest count of a minute still moves by a few: a process that starts and ends others
// holds a few handles for a moment, and a lamp change replaces a bitmap.
constexpr DWORD kGdiSlack = 4;
constexpr DWORD kUserSlack = 2;
constexpr DWORD kHandleSlack = 8;

// The GDI objects of another process. GetGuiResources answers 0 under Wine, and
// GetObjectType sees only the caller's own table, so the table the process's PEB points to
// (GdiSharedHandleTable: 24-byte entries whose type byte is 0 while free) is read instead.
std::optional<DWORD> CountGdiObjects(HANDLE process) {
  using QueryProcess = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<QueryProcess>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) {
    return std::nullopt;
  }
  constexpr std::size_t kTableInPeb = 0xF8;
  constexpr std::size_t kEntrySize = 24;
  constexpr std::size_t kTypeInEntry = 14;
  constexpr std::size_t kEntries = 0x10000;
  ULONG_PTR table = 0;
  const auto* peb = reinterpret_cast<const std::uint8_t*>(basic.PebBaseAddress);
  if (!ReadProcessMemory(process, peb + kTableInPeb, &table, sizeof table, nullptr) || !table) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> entries(kEntries * kEntrySize);
  if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(),
                         entries.size(), nullptr)) {
    return std::nullopt;
  }
  DWORD count = 0;
  for (std::size_t i = 0; i < kEntries; ++i) count += entries[i * kEntrySize + kTypeInEntry] != 0;
  return count;
}

struct Counts {
  DWORD gdi = 0;
  DWORD user = 0;
  DWORD handles = 0;
};

void PrintHandleTypes(const char* when, HANDLE process) {
  std::map<std::string, int> types;
  CountHandles(process, &types);
  std::printf("soak: the manager's handles %s:", when);
  for (const auto& [type, count] : types) {
    std::printf(" %s %d", type.empty() ? "(unnamed)" : type.c_str(), count);
  }
  std::printf("\n");
  std::fflush(stdout);
}

Counts CountsOf(const ChildProcess& manager) {
  return {CountGdiObjects(manager.Handle()).value_or(0), CountUserObjects(manager.Id()),
          CountHandles(manager.Handle())};
}

// The servers the manager runs now, by server.
std::array<std::vector<DWORD>, 3> RunningServers(DWORD managerId) {
  std::array<std::vector<DWORD>, 3> running;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return running;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (entry.th32ParentProcessID != managerId) continue;
    std::string name = entry.szExeFile;
    name = name.substr(name.find_last_of("\\/") + 1);
    for (std::size_t s = 0; s < 3; ++s) {
      if (AsciiEqualsNoCase(name, kServers[s])) running[s].push_back(entry.th32ProcessID);
    }
  }
  CloseHandle(snapshot);
  return running;
}

HWND FindWindowOf(DWORD processId, HWND parent, const char* className, const char* text) {
  for (HWND w = FindWindowExA(parent, nullptr, className, text); w;
       w = FindWindowExA(parent, w, className, text)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == processId) return w;
  }
  return nullptr;
}

struct Minute {
  std::array<int, 3> starts{};
  milliseconds longestDown{0};
  milliseconds slowestAnswer{0};
  int unanswered = 0;
  std::optional<Counts> lowest;  // the lowest of the minute's samples: transients left out
};

void Print(std::size_t index, const Minute& minute) {
  const Counts counts = minute.lowest.value_or(Counts{});
  std::printf("minute %2zu: starts %3d %3d %3d, longest down %5lld ms, slowest answer %5lld ms, "
              "unanswered %d, GDI %lu, USER %lu, handles %lu\n",
              index + 1, minute.starts[0], minute.starts[1], minute.starts[2],
              static_cast<long long>(minute.longestDown.count()),
              static_cast<long long>(minute.slowestAnswer.count()), minute.unanswered, counts.gdi,
              counts.user, counts.handles);
  std::fflush(stdout);
}

// Watches the manager for the given time; the report goes to standard output.
std::vector<Minute> Watch(const ChildProcess& manager, HWND window, int minutes) {
  std::vector<Minute> report(static_cast<std::size_t>(minutes));
  std::array<std::vector<DWORD>, 3> seen;
  std::array<std::optional<Clock::time_point>, 3> downSince;
  const Clock::time_point start = Clock::now();
  Clock::time_point nextAnswer = start, nextCount = start;
  std::size_t printed = 0;
  for (;;) {
    const Clock::time_point now = Clock::now();
    const auto at = static_cast<std::size_t>((now - start) / std::chrono::minutes(1));
    for (; printed < std::min(at, report.size()); ++printed) {
      Print(printed, report[printed]);
      if (printed == 1) PrintHandleTypes("after minute 2", manager.Handle());
    }
    if (at >= report.size() || !manager.Running()) break;
    Minute& minute = report[at];
    const auto running = RunningServers(manager.Id());
    for (std::size_t s = 0; s < 3; ++s) {
      for (DWORD id : running[s]) {
        if (std::find(seen[s].begin(), seen[s].end(), id) != seen[s].end()) continue;
        seen[s].push_back(id);
        ++minute.starts[s];
      }
      // Down time counts from an end, not from the manager's own start.
      if (running[s].empty() && !seen[s].empty() && !downSince[s]) downSince[s] = now;
      if (!running[s].empty() && downSince[s]) {
        minute.longestDown = std::max(minute.longestDown,
                                      std::chrono::duration_cast<milliseconds>(now - *downSince[s]));
        downSince[s].reset();
      }
    }
    if (now >= nextAnswer) {
      nextAnswer = now + std::chrono::seconds(1);
      DWORD_PTR result = 0;
      const Clock::time_point asked = Clock::now();
      if (SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                              static_cast<UINT>(kAnswerTimeout.count()), &result)) {
        minute.slowestAnswer = std::max(
            minute.slowestAnswer, std::chrono::duration_cast<milliseconds>(Clock::now() - asked));
      } else {
        ++minute.unanswered;
      }
    }
    if (now >= nextCount) {
      nextCount = now + std::chrono::seconds(5);
      const Counts c = CountsOf(manager);
      if (!minute.lowest) minute.lowest = c;
      minute.lowest->gdi = std::min(minute.lowest->gdi, c.gdi);
      minute.lowest->user = std::min(minute.lowest->user, c.user);
      minute.lowest->handles = std::min(minute.lowest->handles, c.handles);
    }
    Sleep(200);
  }
  return report;
}

// What the report shows against the limits; empty when the run passes.
std::vector<std::string> Faults(const std::vector<Minute>& report, bool managerLived) {
  std::vector<std::string> faults;
  if (!managerLived) faults.push_back("the manager ended during the run");
  for (std::size_t m = 0; m < report.size(); ++m) {
    const Minute& minute = report[m];
    const std::string which = "minute " + std::to_string(m + 1) + ": ";
    if (minute.unanswered) faults.push_back(which + "the window did not answer");
    if (minute.longestDown > kLongestDown) faults.push_back(which + "a server stayed down too long");
    if (std::find(minute.starts.begin(), minute.starts.end(), 0) != minute.starts.end()) {
      faults.push_back(which + "a server was not started");
    }
    if (m < 1 || !minute.lowest || !report[1].lowest) continue;
    const Counts& base = *report[1].lowest;
    if (minute.lowest->gdi > base.gdi + kGdiSlack) faults.push_back(which + "GDI objects grew");
    if (minute.lowest->user > base.user + kUserSlack) faults.push_back(which + "USER objects grew");
    if (minute.lowest->handles > base.handles + kHandleSlack) faults.push_back(which + "handles grew");
  }
  return faults;
}

void EndManager(const ChildProcess& manager, HWND window) {
  if (HWND button = FindWindowOf(manager.Id(), window, nullptr, "Deactivate")) {
    SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 10000, nullptr);
  }
  PostMessageA(window, WM_CLOSE, 0, 0);
  if (manager.WaitForExit(std::chrono::seconds(20)) == STILL_ACTIVE) {
    TerminateProcess(manager.Handle(), 1);
  }
}

int Run(int minutes) {
  ProgramFolder folder("korvale-soak");
  folder.WriteSettings(kPorts, "Rate=1000\r\n");
  folder.AddManager();
  folder.AddServers();
  folder.AddLamps();
  for (const char* server : kServers) {
    const std::string name(server);
    folder.Write(name.substr(0, name.size() - 4) + ".faults", "exit-after-ms 2000\n");
  }
  // The method that reads the manager's GDI objects must agree with the walk on this process.
  const std::optional<DWORD> ownByTable = CountGdiObjects(GetCurrentProcess());
  const DWORD ownByWalk = CountGuiObjects().gdi;
  std::printf("soak: GDI objects of the driver: %lu by its table, %lu by the walk\n",
              ownByTable.value_or(0), ownByWalk);
  if (ownByTable != ownByWalk) return 2;

  ChildProcess manager = folder.Start("korvale.exe", "autorun");
  const Clock::time_point deadline = Clock::now() + std::chrono::seconds(20);
  HWND window = nullptr;
  while (!window && Clock::now() < deadline) {
    window = FindWindowOf(manager.Id(), nullptr, "TForm1", nullptr);
    Sleep(100);
  }
  if (!window) {
    std::printf("soak: the manager's window did not appear\n");
    return 2;
  }
  std::printf("soak: %d minutes, three stand-ins that exit 2 s after each start, rate 1000 ms, "
              "folder %s\n", minutes, folder.Path().c_str());
  std::fflush(stdout);
  const std::vector<Minute> report = Watch(manager, window, minutes);
  const bool lived = manager.Running();
  if (lived) PrintHandleTypes("at the end", manager.Handle());
  EndManager(manager, window);
  const std::vector<std::string> faults = Faults(report, lived);
  for (const std::string& fault : faults) std::printf("soak: %s\n", fault.c_str());
  std::printf("soak: %s\n", faults.empty() ? "passed" : "FAILED");
  return faults.empty() ? 0 : 1;
}

}  // namespace
}  // namespace korvale::testing

int main(int argc, char** argv) {
  const int minutes = argc > 1 ? std::max(2, std::atoi(argv[1])) : 10;
  return korvale::testing::Run(minutes);
}
