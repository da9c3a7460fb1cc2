#pragma once

// The main window's settings file, its start-up checks and the Run key entry.
#include <optional>
#include <string>

namespace korvale {

class TForm1;

inline constexpr char kSettingsFileName[] = "korvale.ini";
inline constexpr char kLogFileName[] = "korvale.log";
inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValueName[] = "brix";

// Reads the twelve keys in table order into the window's elements and SkinIndex.
void ReadSettings(TForm1& form, const std::string& programFolder);
// Writes the twelve keys in table order from the window; a refused write raises the
// toolkit's "Unable to write to" error and leaves the remaining keys unwritten.
void WriteSettings(TForm1& form, const std::string& programFolder);

// The message of the first companion file (servers, then the NT check, then lamps) that
// rules the start out, or nothing when the program may go on.
std::optional<std::string> CheckServerExecutables(const std::string& programFolder);
std::optional<std::string> CheckSystemVersion();
// The message for a system of this platform id: only the NT family (2) may run the manager.
std::optional<std::string> CheckPlatform(unsigned long platformId);
std::optional<std::string> CheckLampBitmaps(const std::string& programFolder);

// Whether the value "brix" exists under the machine's Run key (false when the key cannot be
// opened with full access), in either form: quoted, or unquoted as written before.
bool RunOnStartUpEntryExists();
// Deletes the value if it exists (in either form), else writes it: autorun.exe in the
// program folder, quoted like a server's command line, so that a folder with a blank does
// not start a program named after its first part.
void ToggleRunOnStartUpEntry(const std::string& programFolder);

}  // namespace korvale
