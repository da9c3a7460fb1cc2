#pragma once

#include <map>
#include <string>
#include <vector>

namespace korvale::skinart {

// A small reader for skin definitions: section and key names match without regard to
// case, sections keep their file order, and the first of repeated keys wins, as with the
// private-profile functions the engine uses.
class IniText {
 public:
  explicit IniText(const std::string& text);

  const std::vector<std::string>& Sections() const { return order_; }
  bool Has(const std::string& section, const std::string& key) const;
  std::string Get(const std::string& section, const std::string& key,
                  const std::string& fallback = "") const;
  int GetInt(const std::string& section, const std::string& key, int fallback) const;
  // "R G B" as 0xRRGGBB.
  unsigned GetColour(const std::string& section, const std::string& key, unsigned fallback) const;
  // Every value naming a .bmp file, in file order.
  std::vector<std::string> ImageValues() const;

 private:
  std::vector<std::string> order_;
  std::map<std::string, std::map<std::string, std::string>> values_;
  std::vector<std::string> images_;
};

// The file-name part of an image value, lower-cased ("dir\a.bmp" -> "a.bmp").
std::string ImageFileName(const std::string& value);

}  // namespace korvale::skinart
