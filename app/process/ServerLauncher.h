#pragma once

// Where the manager's companion files lie, and how a server is started.
#include <string>
#include <string_view>

namespace korvale {

// The folder of the running executable, without a trailing separator.
std::string ProgramFolder();

// The command line that starts folder + "\" + exe. The path is quoted: unquoted, a folder
// with a blank ("C:\Program Files\...") would first run a program named after the part
// before the blank.
std::string ServerCommandLine(std::string_view folder, std::string_view exe);

// Starts folder + "\" + exe, hidden, without arguments; it inherits the current directory.
// The result is not checked: the next tick finds out.
void LaunchServerFrom(std::string_view folder, std::string_view exe);

}  // namespace korvale
