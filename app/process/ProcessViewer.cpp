#include "app/process/ProcessViewer.h"

#include <tlhelp32.h>

#include <utility>

#include "core/ProcessNames.h"

namespace korvale {

namespace {

using CreateSnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
using ProcessWalkFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);

// The toolhelp functions are looked up at run time; without them no name is ever found.
struct Toolhelp {
  CreateSnapshotFn CreateSnapshot = nullptr;
  ProcessWalkFn First = nullptr;
  ProcessWalkFn Next = nullptr;
  bool Available() const { return CreateSnapshot && First && Next; }
};

template <typename Fn>
Fn Bind(HMODULE module, const char* name) {
  // FARPROC to a typed function pointer: the documented way to use GetProcAddress.
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

const Toolhelp& ToolhelpFunctions() {
  static const Toolhelp bound = [] {
    Toolhelp t;
    if (HMODULE kernel = GetModuleHandleA("kernel32.dll")) {
      t.CreateSnapshot = Bind<CreateSnapshotFn>(kernel, "CreateToolhelp32Snapshot");
      t.First = Bind<ProcessWalkFn>(kernel, "Process32First");
      t.Next = Bind<ProcessWalkFn>(kernel, "Process32Next");
    }
    return t;
  }();
  return bound;
}

std::vector<TProcessInfo>& MutableList() {
  static std::vector<TProcessInfo> list;
  return list;
}

MessagePump& KillPump() {
  static MessagePump pump;
  return pump;
}

constexpr int kTextBuffer = 255;

BOOL CALLBACK AppendWindow(HWND window, LPARAM param) {
  auto& list = *reinterpret_cast<std::vector<TProcessInfo>*>(param);
  TProcessInfo info;
  char text[kTextBuffer] = {};
  GetWindowTextA(window, text, kTextBuffer);
  info.WindowCaption = text;
  char className[kTextBuffer] = {};
  GetClassNameA(window, className, kTextBuffer);
  info.WindowClass = className;
  info.WindowVisible = IsWindowVisible(window) != FALSE;
  info.WindowHandle = window;
  info.ThreadId = GetWindowThreadProcessId(window, &info.ProcessId);
  info.ExeName = ExeNameOfWindow(window);
  list.push_back(std::move(info));
  return TRUE;  // the enumeration always runs to the end
}

}  // namespace

const std::vector<TProcessInfo>& ProcessList() { return MutableList(); }

void RefreshProcessList() {
  // A handler run from a kill's message pump may refresh while an outer query waits; the
  // list is built aside and swapped in so no query ever sees it half built.
  std::vector<TProcessInfo> fresh;
  EnumWindows(AppendWindow, reinterpret_cast<LPARAM>(&fresh));
  for (TProcessInfo& info : fresh) info.ExeName = AsciiUpper(info.ExeName);
  MutableList().swap(fresh);
}

std::string ExeNameOfWindow(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  const Toolhelp& toolhelp = ToolhelpFunctions();
  if (!toolhelp.Available()) return {};
  HANDLE snapshot = toolhelp.CreateSnapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return {};
  std::string name;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = toolhelp.First(snapshot, &entry); more; more = toolhelp.Next(snapshot, &entry)) {
    if (entry.th32ProcessID == processId) {
      entry.szExeFile[MAX_PATH - 1] = '\0';
      name = entry.szExeFile;
      break;
    }
  }
  CloseHandle(snapshot);
  return name;
}

namespace {

// The first listed process whose name matches, or 0. A query that reduces to nothing (a
// bare folder) would match every process, so it matches none.
DWORD FirstMatch(const std::string& reduced) {
  if (reduced.empty()) return 0;
  for (const TProcessInfo& info : ProcessList()) {
    if (ExeNameMatches(reduced, info.ExeName)) return info.ProcessId;
  }
  return 0;
}

bool Listed(DWORD processId) {
  for (const TProcessInfo& info : ProcessList()) {
    if (info.ProcessId == processId) return true;
  }
  return false;
}

}  // namespace

bool IsExeRunning(std::string_view name) {
  if (name.empty()) return false;
  const std::string reduced = ReduceQueryName(name);
  RefreshProcessList();
  return FirstMatch(reduced) != 0;
}

bool KillExe(std::string_view name) {
  if (name.empty()) return false;
  const std::string reduced = ReduceQueryName(name);
  if (reduced.empty()) return false;
  bool result = true;
  RefreshProcessList();
  for (;;) {
    RefreshProcessList();
    const DWORD processId = FirstMatch(reduced);
    if (processId == 0) break;
    if (!KillProcessById(processId)) {
      result = false;
      break;
    }
  }
  return result;
}

bool KillProcessById(DWORD processId) {
  // A refused request (no rights, already gone) is not reported here: the list decides.
  if (HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, processId)) {
    TerminateProcess(process, 0);
    CloseHandle(process);
  }
  const MessagePump pump = KillPump();  // a copy: a nested handler may replace it
  for (int round = 0; round < 5001; ++round) {
    if (pump) {
      pump();
    } else {
      ProcessPendingMessages();
    }
  }
  RefreshProcessList();
  return !Listed(processId);
}

void SetKillMessagePump(MessagePump pump) { KillPump() = std::move(pump); }

void ProcessPendingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace korvale
