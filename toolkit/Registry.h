#pragma once

#include <windows.h>

#include <string>

#include "toolkit/Object.h"

namespace korvale {

// One open registry key at a time, under a chosen root and with a chosen access.
class TRegistry : public TObject {
 public:
  explicit TRegistry(REGSAM access = KEY_ALL_ACCESS) : access_(access) {}
  ~TRegistry() override { CloseKey(); }
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;
  std::string ClassName() const override { return "TRegistry"; }

  HKEY RootKey() const { return root_; }
  void SetRootKey(HKEY root) {
    CloseKey();
    root_ = root;
  }
  HKEY CurrentKey() const { return current_; }

  // Opens the key (creating it only when asked); false when it cannot be opened.
  bool OpenKey(const std::string& key, bool canCreate);
  void CloseKey();

  bool ValueExists(const std::string& name) const;
  std::string ReadString(const std::string& name) const;
  // Raises "Failed to set data for '<name>'" when the system refuses the write.
  void WriteString(const std::string& name, const std::string& value);
  bool DeleteValue(const std::string& name);

 private:
  REGSAM access_;
  HKEY root_ = HKEY_CURRENT_USER;
  HKEY current_ = nullptr;
};

}  // namespace korvale
