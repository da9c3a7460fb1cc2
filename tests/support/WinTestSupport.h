#pragma once

// Helpers shared by the Windows and end-to-end tests.
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/GuiObjectCounts.h"

namespace korvale::testing {

// Pumps this thread's messages until the condition holds or the time runs out; returns
// whether it held.
bool WaitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds timeout = std::chrono::seconds(10));

// Pumps messages for the given time.
void PumpFor(std::chrono::milliseconds duration);
// Puts the pointer at x, y and waits until it stays there: motion the display still owes
// from earlier moves (another test's, too) would otherwise move it again.
void PlacePointer(int x, int y);

// The first visible top-level window of this thread with the given class ("#32768" for a
// menu, "#32770" for a dialog), or null.
HWND FindThreadWindow(const std::string& className);

// A 32-bit top-down pixel buffer, 0x00RRGGBB per pixel.
struct PixelBuffer {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The pixels of a rectangle of any DC, read through a 32-bit DIB.
PixelBuffer CaptureRect(HDC source, int x, int y, int width, int height);

// What the window shows: its client area with client = true, else the whole window.
PixelBuffer CaptureWindow(HWND window, bool client = true);
PixelBuffer CaptureScreen();

// A fresh folder under the temporary directory, removed with everything in it at the end.
class TempFolder {
 public:
  explicit TempFolder(const std::string& prefix = "korvale");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }
  void Write(const std::string& name, const std::string& content) const;

 private:
  std::string path_;
};

std::string ReadFile(const std::string& path);

// A file held open without sharing (made if missing), as another program holding it would:
// nothing else can write or replace it meanwhile. A read-only attribute would not stop the
// root user the tests run as.
class HeldFile {
 public:
  explicit HeldFile(const std::string& path);
  ~HeldFile();
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;
  bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

// The folder of the running test executable.
std::string ExecutableFolder();

}  // namespace korvale::testing
