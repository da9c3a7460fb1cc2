#pragma once

#include <string>
#include <string_view>

#include "core/AsciiText.h"

namespace korvale {

// The file-name part of a path: everything after the last '\' or '/'.
std::string_view FileNamePart(std::string_view path);

// The form a query name is compared in: its file-name part, upper-cased.
std::string ReduceQueryName(std::string_view query);

// A process entry matches when the reduced query occurs anywhere inside its upper-cased
// executable name, so "X" + "AUTH-NODE.EXE" matches a query for auth-node.exe.
bool ExeNameMatches(std::string_view reducedQuery, std::string_view upperExeName);

}  // namespace korvale
