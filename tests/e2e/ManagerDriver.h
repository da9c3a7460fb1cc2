#pragma once

// Drives a running manager from outside, as a user would: finds its windows by class and
// text, reads their text and state, clicks buttons and answers its dialogs.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/ProgramFolder.h"

namespace korvale::testing {

// Every top-level window of the process (visible or not).
std::vector<HWND> ProcessWindows(DWORD processId);
// The manager's main window (class "TForm1"), waiting up to timeout.
HWND WaitForMainWindow(DWORD processId, std::chrono::milliseconds timeout = std::chrono::seconds(15));
// A visible top-level window of the process of this class ("#32770" for a message box,
// "TMessageForm" for the plain message dialog), waiting up to timeout.
HWND WaitForDialog(DWORD processId, const std::string& className,
                   std::chrono::milliseconds timeout = std::chrono::seconds(10));

// The first descendant of this class whose text is given (any text when empty).
HWND FindChild(HWND parent, const std::string& className, const std::string& text = "");
std::string WindowText(HWND window);
// The text of every descendant, for reading a dialog's message.
std::string AllText(HWND window);

void Click(HWND button);
// Presses the dialog's button with this caption ("OK", "&Yes", "&No").
void PressDialogButton(HWND dialog, const std::string& caption);

// Process ids of running processes whose image lies in the folder under this file name.
std::vector<DWORD> RunningFromFolder(const std::string& folder, const std::string& exe);
void EndProcessById(DWORD processId);

int CountOf(const std::string& text, const std::string& part);
// The right end of the taskbar, where the shell's notification area shows its icons, clipped
// to the captured screen; empty when the desktop has no taskbar.
RECT NotificationAreaRect(const PixelBuffer& screen);

// A manager started in a program folder of its own and the windows a test drives. One that
// is still running at the end is deactivated and its window closed.
class ManagerSession : public ::testing::Test {
 protected:
  void TearDown() override;
  // Puts the manager (and, as asked, the stand-in servers and lamp pictures) in the folder.
  void Prepare(bool servers = true, bool lamps = true);
  void Start(const std::string& arguments = "");
  // Closes the main window and expects a clean exit.
  void Close();
  // Finds the main window, its activation button and its log view.
  bool OpenMainWindow();
  std::string Log() const { return WindowText(log_); }

  ProgramFolder folder_;
  std::optional<ChildProcess> manager_;
  HWND window_ = nullptr;
  HWND button_ = nullptr;
  HWND log_ = nullptr;
};

}  // namespace korvale::testing
