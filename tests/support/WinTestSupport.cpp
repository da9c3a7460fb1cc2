#include "tests/support/WinTestSupport.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace korvale::testing {

namespace {

// A crash in a test process ends it at once with its exception code, instead of waiting
// for a debugger that nobody attends.
LONG WINAPI EndOnCrash(EXCEPTION_POINTERS* info) {
  std::fprintf(stderr, "crash: exception 0x%08lx at %p\n",
               static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode),
               info->ExceptionRecord->ExceptionAddress);
  std::fflush(stderr);
  TerminateProcess(GetCurrentProcess(), 3);
  return EXCEPTION_EXECUTE_HANDLER;
}

const bool crashFilterInstalled = (SetUnhandledExceptionFilter(EndOnCrash), true);

}  // namespace

void PumpFor(std::chrono::milliseconds duration) {
  WaitFor([] { return false; }, duration);
}

HeldFile::HeldFile(const std::string& path)
    : handle_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS, 0, nullptr)) {}

HeldFile::~HeldFile() {
  if (Held()) CloseHandle(handle_);
}

void PlacePointer(int x, int y) {
  for (int round = 0, still = 0; round < 40 && still < 3; ++round) {
    SetCursorPos(x, y);
    PumpFor(std::chrono::milliseconds(25));
    POINT at{};
    GetCursorPos(&at);
    still = at.x == x && at.y == y ? still + 1 : 0;
  }
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    // A bounded batch: a timer whose handler outlasts its interval keeps the queue full,
    // and the condition and the deadline must still be looked at.
    MSG msg;
    for (int batch = 0; batch < 256 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++batch) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

HWND FindThreadWindow(const std::string& className) {
  struct Search {
    const std::string& className;
    HWND found = nullptr;
  } search{className};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM context) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(context);
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (s.className != name || !IsWindowVisible(window)) return TRUE;
        s.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

PixelBuffer CaptureRect(HDC source, int x, int y, int width, int height) {
  PixelBuffer buffer;
  if (width <= 0 || height <= 0) return buffer;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(source);
  HBITMAP dib = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
  GdiFlush();
  buffer.width = width;
  buffer.height = height;
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  buffer.pixels.assign(pixels, pixels + static_cast<size_t>(width) * height);
  for (auto& p : buffer.pixels) p &= 0x00FFFFFF;
  SelectObject(memory, old);
  DeleteObject(dib);
  DeleteDC(memory);
  return buffer;
}

PixelBuffer CaptureWindow(HWND window, bool client) {
  // Reading the window's own DC gives what was drawn into it; under Wine the screen DC of a
  // virtual desktop does not include the windows on it.
  RECT r{};
  if (client) {
    GetClientRect(window, &r);
  } else {
    GetWindowRect(window, &r);
    OffsetRect(&r, -r.left, -r.top);
  }
  HDC dc = client ? GetDC(window) : GetWindowDC(window);
  PixelBuffer buffer = CaptureRect(dc, 0, 0, r.right, r.bottom);
  ReleaseDC(window, dc);
  return buffer;
}

PixelBuffer CaptureScreen() {
  HDC screen = GetDC(nullptr);
  PixelBuffer buffer =
      CaptureRect(screen, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  ReleaseDC(nullptr, screen);
  return buffer;
}

TempFolder::TempFolder(const std::string& prefix) {
  char base[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, base);
  static unsigned counter = 0;
  for (;;) {
    std::ostringstream name;
    name << base << prefix << "-" << GetCurrentProcessId() << "-" << ++counter;
    if (CreateDirectoryA(name.str().c_str(), nullptr)) {
      path_ = name.str();
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot make " + name.str());
  }
}

namespace {

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

}  // namespace

TempFolder::~TempFolder() { RemoveTree(path_); }

void TempFolder::Write(const std::string& name, const std::string& content) const {
  std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
  out << content;
  if (!out) throw std::runtime_error("cannot write " + File(name));
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::string ExecutableFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\'));
}

}  // namespace korvale::testing
