#include "toolkit/Registry.h"

#include <vector>

#include "toolkit/Exception.h"

namespace korvale {

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  CloseKey();
  HKEY opened = nullptr;
  LONG status;
  if (canCreate) {
    status = RegCreateKeyExA(root_, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access_,
                             nullptr, &opened, nullptr);
  } else {
    status = RegOpenKeyExA(root_, key.c_str(), 0, access_, &opened);
  }
  if (status != ERROR_SUCCESS) return false;
  current_ = opened;
  return true;
}

void TRegistry::CloseKey() {
  if (current_) RegCloseKey(current_);
  current_ = nullptr;
}

bool TRegistry::ValueExists(const std::string& name) const {
  return current_ &&
         RegQueryValueExA(current_, name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
             ERROR_SUCCESS;
}

std::string TRegistry::ReadString(const std::string& name) const {
  if (!current_) return {};
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(current_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return {};
  }
  std::vector<char> data(size + 1, '\0');
  if (RegQueryValueExA(current_, name.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
    return {};
  }
  return std::string(data.data());
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  const LONG status =
      current_ ? RegSetValueExA(current_, name.c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(value.c_str()),
                                static_cast<DWORD>(value.size() + 1))
               : ERROR_INVALID_HANDLE;
  if (status != ERROR_SUCCESS) throw Exception("Failed to set data for '" + name + "'");
}

bool TRegistry::DeleteValue(const std::string& name) {
  return current_ && RegDeleteValueA(current_, name.c_str()) == ERROR_SUCCESS;
}

}  // namespace korvale
