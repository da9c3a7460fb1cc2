#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvale {

// An ordered list of 8-bit strings. An index out of range throws std::out_of_range with
// the message "List index out of bounds (i)".
class TStringList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Strings(int index) const;
  void SetStrings(int index, std::string value);
  const std::string& operator[](int index) const { return Strings(index); }
  std::string& operator[](int index);

  // Appends and returns the new item's index.
  int Add(std::string value);
  // Inserts before `index`; Count() appends.
  void Insert(int index, std::string value);
  void Delete(int index);
  void Clear() { items_.clear(); }
  // The first item equal to `value` (exact, case-sensitive), or -1.
  int IndexOf(std::string_view value) const;

  // Every item followed by CR LF, so an empty list gives "" and one empty item "\r\n".
  std::string Text() const;
  // Replaces the items with the lines of `text`, broken at CR LF, CR or LF; a break at the
  // very end does not start another, empty line.
  void SetText(std::string_view text);

  std::vector<std::string>::const_iterator begin() const { return items_.begin(); }
  std::vector<std::string>::const_iterator end() const { return items_.end(); }
  bool operator==(const TStringList&) const = default;

 private:
  void Check(int index, int limit) const;

  std::vector<std::string> items_;
};

}  // namespace korvale
