#include "tests/e2e/ManagerDriver.h"

#include <tlhelp32.h>

#include <algorithm>

#include "core/AsciiText.h"

namespace korvale::testing {

namespace {

struct Collect {
  DWORD processId;
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectOwned(HWND window, LPARAM param) {
  auto* collect = reinterpret_cast<Collect*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == collect->processId) collect->windows.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

std::string ClassOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

}  // namespace

std::vector<HWND> ProcessWindows(DWORD processId) {
  Collect collect{processId, {}};
  EnumWindows(CollectOwned, reinterpret_cast<LPARAM>(&collect));
  return collect.windows;
}

HWND WaitForMainWindow(DWORD processId, std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        for (HWND w : ProcessWindows(processId)) {
          if (ClassOf(w) == "TForm1" && IsWindowVisible(w)) found = w;
        }
        return found != nullptr;
      },
      timeout);
  return found;
}

HWND WaitForDialog(DWORD processId, const std::string& className,
                   std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        for (HWND w : ProcessWindows(processId)) {
          if (ClassOf(w) == className && IsWindowVisible(w)) found = w;
        }
        return found != nullptr;
      },
      timeout);
  return found;
}

HWND FindChild(HWND parent, const std::string& className, const std::string& text) {
  for (HWND child : Descendants(parent)) {
    if (ClassOf(child) == className && (text.empty() || WindowText(child) == text)) return child;
  }
  return nullptr;
}

std::string WindowText(HWND window) {
  // The text can grow between asking its length and reading it (a log line arriving): a read
  // that fills the buffer is repeated with room to spare, so no tail is cut off.
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) {
    return {};
  }
  for (;;) {
    std::string text(length + 1024, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, 5000, &copied)) {
      return {};
    }
    if (copied + 1 < text.size()) {
      text.resize(copied);
      return text;
    }
    length = text.size();
  }
}

std::string AllText(HWND window) {
  std::string text = WindowText(window);
  for (HWND child : Descendants(window)) text += "\n" + WindowText(child);
  return text;
}

void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

void PressDialogButton(HWND dialog, const std::string& caption) {
  for (HWND child : Descendants(dialog)) {
    const std::string cls = AsciiLower(ClassOf(child));
    if ((cls == "button" || cls == "tbutton") && WindowText(child) == caption) {
      Click(child);
      return;
    }
  }
}

std::vector<DWORD> RunningFromFolder(const std::string& folder, const std::string& exe) {
  std::vector<DWORD> ids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return ids;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  const std::string wanted = AsciiLower(folder + "\\" + exe);
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (AsciiLower(entry.szExeFile) != AsciiLower(exe)) continue;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
    if (!process) continue;
    char path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (QueryFullProcessImageNameA(process, 0, path, &size) && AsciiLower(path) == wanted) {
      ids.push_back(entry.th32ProcessID);
    }
    CloseHandle(process);
  }
  CloseHandle(snapshot);
  return ids;
}

void EndProcessById(DWORD processId) {
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
  if (!process) return;
  TerminateProcess(process, 9);
  WaitForSingleObject(process, 5000);
  CloseHandle(process);
}

int CountOf(const std::string& text, const std::string& part) {
  int count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

RECT NotificationAreaRect(const PixelBuffer& screen) {
  RECT bar{};
  if (HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr)) GetWindowRect(taskbar, &bar);
  return RECT{std::max(0L, bar.right - 96), std::max(0L, bar.top),
              std::min<LONG>(bar.right, screen.width), std::min<LONG>(bar.bottom, screen.height)};
}

void ManagerSession::TearDown() {
  if (!manager_ || !manager_->Running() || !window_) return;
  if (WindowText(button_) == "Deactivate") Click(button_);
  WaitFor([&] { return WindowText(button_) == "Activate"; }, std::chrono::seconds(10));
  PostMessageA(window_, WM_CLOSE, 0, 0);
  manager_->WaitForExit();
}

void ManagerSession::Prepare(bool servers, bool lamps) {
  if (servers) folder_.AddServers();
  if (lamps) folder_.AddLamps();
  folder_.AddManager();
}

void ManagerSession::Close() {
  PostMessageA(window_, WM_CLOSE, 0, 0);
  EXPECT_EQ(manager_->WaitForExit(), 0u);
}

void ManagerSession::Start(const std::string& arguments) {
  manager_.emplace(folder_.Start("korvale.exe", arguments));
}

bool ManagerSession::OpenMainWindow() {
  window_ = WaitForMainWindow(manager_->Id());
  if (!window_) return false;
  button_ = FindChild(window_, "TButton");
  log_ = FindChild(window_, "TMemo");
  return button_ && log_;
}

}  // namespace korvale::testing
