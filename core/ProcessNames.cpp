#include "core/ProcessNames.h"

namespace korvale {

std::string_view FileNamePart(std::string_view path) {
  const auto cut = path.find_last_of("\\/");
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string ReduceQueryName(std::string_view query) { return AsciiUpper(FileNamePart(query)); }

bool ExeNameMatches(std::string_view reducedQuery, std::string_view upperExeName) {
  return upperExeName.find(reducedQuery) != std::string_view::npos;
}

}  // namespace korvale
