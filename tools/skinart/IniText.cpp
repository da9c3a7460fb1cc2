#include "tools/skinart/IniText.h"

#include <cctype>
#include <sstream>

#include "core/AsciiText.h"

namespace korvale::skinart {

std::string ImageFileName(const std::string& value) {
  const size_t cut = value.find_last_of("\\:/");
  return AsciiLower(cut == std::string::npos ? value : value.substr(cut + 1));
}

namespace {
std::string Trim(const std::string& text) {
  const size_t a = text.find_first_not_of(" \t\r\n");
  if (a == std::string::npos) return "";
  const size_t b = text.find_last_not_of(" \t\r\n");
  return text.substr(a, b - a + 1);
}
}  // namespace

IniText::IniText(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  std::string section;
  while (std::getline(in, line)) {
    line = Trim(line);
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = AsciiLower(line.substr(1, line.size() - 2));
      if (!values_.count(section)) order_.push_back(line.substr(1, line.size() - 2));
      values_[section];
      continue;
    }
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = AsciiLower(Trim(line.substr(0, eq)));
    const std::string value = Trim(line.substr(eq + 1));
    auto& keys = values_[section];
    if (keys.count(key)) continue;
    keys[key] = value;
    if (AsciiLower(value).size() > 4 && AsciiLower(value).substr(value.size() - 4) == ".bmp") images_.push_back(value);
  }
}

bool IniText::Has(const std::string& section, const std::string& key) const {
  const auto s = values_.find(AsciiLower(section));
  return s != values_.end() && s->second.count(AsciiLower(key)) > 0;
}

std::string IniText::Get(const std::string& section, const std::string& key,
                         const std::string& fallback) const {
  const auto s = values_.find(AsciiLower(section));
  if (s == values_.end()) return fallback;
  const auto k = s->second.find(AsciiLower(key));
  return k == s->second.end() ? fallback : k->second;
}

int IniText::GetInt(const std::string& section, const std::string& key, int fallback) const {
  const std::string value = Get(section, key);
  if (value.empty()) return fallback;
  try {
    size_t used = 0;
    const int n = std::stoi(value, &used, 0);
    return used == value.size() ? n : fallback;
  } catch (...) {
    return fallback;
  }
}

unsigned IniText::GetColour(const std::string& section, const std::string& key,
                            unsigned fallback) const {
  const std::string value = Get(section, key);
  if (value.empty()) return fallback;
  int parts[3] = {0, 0, 0};
  std::istringstream in(value);
  for (int& part : parts) in >> part;
  return static_cast<unsigned>(((parts[0] & 255) << 16) | ((parts[1] & 255) << 8) | (parts[2] & 255));
}

std::vector<std::string> IniText::ImageValues() const { return images_; }

}  // namespace korvale::skinart
