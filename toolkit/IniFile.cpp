#include "toolkit/IniFile.h"

#include <windows.h>

#include <algorithm>

#include "core/AsciiText.h"
#include "core/IniValues.h"
#include "toolkit/Exception.h"

namespace korvale {

namespace {

constexpr DWORD kValueBuffer = 2048;

// Reads a list of NUL-separated names (section or key names), growing the buffer until the
// list fits.
template <typename Fill>
std::vector<std::string> ReadNameList(Fill fill) {
  std::vector<char> buffer(4096);
  for (;;) {
    const DWORD length = fill(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length + 2 < buffer.size() || buffer.size() >= (1u << 24)) {
      std::vector<std::string> names;
      const char* p = buffer.data();
      const char* end = buffer.data() + std::min<size_t>(length, buffer.size());
      while (p < end && *p) {
        names.emplace_back(p);
        p += names.back().size() + 1;
      }
      return names;
    }
    buffer.resize(buffer.size() * 4);
  }
}

}  // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
  char buffer[kValueBuffer];
  const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                                buffer, kValueBuffer, fileName_.c_str());
  return std::string(buffer, length);
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key,
                          int defaultValue) const {
  return ParseIniInteger(ReadString(section, key, "")).value_or(defaultValue);
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key,
                        bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
  if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                  fileName_.c_str())) {
    throw Exception("Unable to write to " + fileName_);
  }
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, IniBoolText(value));
}

std::vector<std::string> TIniFile::ReadSections() const {
  return ReadNameList([&](char* buffer, DWORD size) {
    return GetPrivateProfileSectionNamesA(buffer, size, fileName_.c_str());
  });
}

std::vector<std::string> TIniFile::ReadSection(const std::string& section) const {
  return ReadNameList([&](char* buffer, DWORD size) {
    return GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer, size, fileName_.c_str());
  });
}

std::vector<std::string> TIniFile::ReadSectionValues(const std::string& section) const {
  return ReadNameList([&](char* buffer, DWORD size) {
    return GetPrivateProfileSectionA(section.c_str(), buffer, size, fileName_.c_str());
  });
}

bool TIniFile::SectionExists(const std::string& section) const {
  const auto sections = ReadSections();
  return std::any_of(sections.begin(), sections.end(), [&](const std::string& name) {
    return AsciiEqualsNoCase(name, section);
  });
}

bool TIniFile::ValueExists(const std::string& section, const std::string& key) const {
  const auto keys = ReadSection(section);
  return std::any_of(keys.begin(), keys.end(), [&](const std::string& name) {
    return AsciiEqualsNoCase(name, key);
  });
}

void TIniFile::DeleteKey(const std::string& section, const std::string& key) {
  if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, fileName_.c_str())) {
    throw Exception("Unable to write to " + fileName_);
  }
}

void TIniFile::EraseSection(const std::string& section) {
  if (!WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, fileName_.c_str())) {
    throw Exception("Unable to write to " + fileName_);
  }
}

}  // namespace korvale
