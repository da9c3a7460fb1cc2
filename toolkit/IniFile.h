#pragma once

#include <string>
#include <vector>

#include "toolkit/Object.h"

namespace korvale {

// A settings file read and written through the system's private-profile functions, so the
// file keeps whatever else it holds (comments, unknown keys) across writes.
class TIniFile : public TObject {
 public:
  explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}
  std::string ClassName() const override { return "TIniFile"; }

  const std::string& FileName() const { return fileName_; }

  // A key that is present with an empty value reads as "", an absent key as the default.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
  bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;

  // Each write raises "Unable to write to <file>" when the system refuses it.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void WriteBool(const std::string& section, const std::string& key, bool value);

  std::vector<std::string> ReadSections() const;
  std::vector<std::string> ReadSection(const std::string& section) const;
  // The section's lines as "key=value", in one call: for readers of many keys
  // (SplitIniEntry turns a line into what ReadString answers for its key).
  std::vector<std::string> ReadSectionValues(const std::string& section) const;
  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& key) const;
  void DeleteKey(const std::string& section, const std::string& key);
  void EraseSection(const std::string& section);

 private:
  std::string fileName_;
};

}  // namespace korvale
