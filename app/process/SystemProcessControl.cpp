#include "app/process/SystemProcessControl.h"

#include <windows.h>

#include "app/process/ProcessViewer.h"
#include "app/process/ServerLauncher.h"

namespace korvale {

bool SystemProcessControl::IsExeRunning(std::string_view exe) {
  return korvale::IsExeRunning(exe);
}

bool SystemProcessControl::KillExe(std::string_view exe) { return korvale::KillExe(exe); }

void SystemProcessControl::LaunchServer(std::string_view exe) { LaunchServerFrom(programFolder_, exe); }

namespace {

SYSTEMTIME ToSystemTime(const LocalDateTime& when) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(when.Year);
  st.wMonth = static_cast<WORD>(when.Month);
  st.wDay = static_cast<WORD>(when.Day);
  st.wHour = static_cast<WORD>(when.Hour);
  st.wMinute = static_cast<WORD>(when.Minute);
  st.wSecond = static_cast<WORD>(when.Second);
  st.wMilliseconds = static_cast<WORD>(when.Millisecond);
  return st;
}

}  // namespace

LocalDateTime SystemStatusClock::Now() {
  SYSTEMTIME st{};
  GetLocalTime(&st);
  return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

std::string SystemStatusClock::ShortDate(const LocalDateTime& when) {
  const SYSTEMTIME st = ToSystemTime(when);
  char text[128] = {};
  if (!GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, text, sizeof text)) {
    return {};
  }
  return text;
}

std::string SystemStatusClock::LongTime(const LocalDateTime& when) {
  const SYSTEMTIME st = ToSystemTime(when);
  char text[128] = {};
  if (!GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, nullptr, text, sizeof text)) return {};
  return text;
}

bool RunStartUpPrompts(const AskYesNo& ask) {
  SystemProcessControl processes(ProgramFolder());
  return RunStartUpPrompts(processes, ask);
}

void KillServersAtClose() {
  SystemProcessControl processes(ProgramFolder());
  KillServersAtClose(processes);
}

}  // namespace korvale
