#pragma once

// The handles a process holds, counted the way Wine allows.
#include <windows.h>

#include <map>
#include <string>

namespace korvale::testing {

// The handles of a process (this one included): each handle value that can be duplicated
// into this one. Wine answers GetProcessHandleCount with 0, and its process list gives the
// size of the handle table, not the handles in use. With `types`, each handle's object type
// is counted there too.
DWORD CountHandles(HANDLE process, std::map<std::string, int>* types = nullptr);

}  // namespace korvale::testing
