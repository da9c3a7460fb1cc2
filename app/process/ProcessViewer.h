#pragma once

// The process list the manager searches for its servers: one entry per top-level window of
// the desktop, with the executable name of the process that owns it. A process without a
// top-level window is not listed, so it counts as not running.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace korvale {

struct TProcessInfo {
  std::string ExeName;  // upper case (ASCII); empty when no process with the id was found
  std::string WindowCaption;
  bool WindowVisible = false;
  HWND WindowHandle = nullptr;
  std::string WindowClass;
  DWORD ThreadId = 0;
  DWORD ProcessId = 0;
};

// The process-wide list, in window enumeration order; every query rebuilds it in place.
const std::vector<TProcessInfo>& ProcessList();

void RefreshProcessList();

// The executable file name of the process that owns the window, from a fresh process
// snapshot; empty if none was found or the snapshot functions are not available.
std::string ExeNameOfWindow(HWND window);

// False for an empty name; otherwise true if any listed executable name contains the
// name's upper-cased file-name part.
bool IsExeRunning(std::string_view name);

// Ends every matching process, one per round with a fresh list before each; true if every
// end was confirmed, false as soon as one was not (the remaining instances then stay).
bool KillExe(std::string_view name);

// Terminates the process, lets pending window messages run 5001 times, then confirms that
// no listed window belongs to it any more.
bool KillProcessById(DWORD processId);

// One round of processing pending window messages, as run 5001 times by KillProcessById.
using MessagePump = std::function<void()>;
// Replaces the pump (tests count rounds); an empty pump restores the default.
void SetKillMessagePump(MessagePump pump);
// The default round: every pending message of this thread is dispatched; WM_QUIT is put
// back so that the message loop still sees it.
void ProcessPendingMessages();

}  // namespace korvale
