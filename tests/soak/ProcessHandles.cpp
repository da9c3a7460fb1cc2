#include "tests/soak/ProcessHandles.h"

#include <winternl.h>

#include <cstdint>

namespace korvale::testing {

DWORD CountHandles(HANDLE process, std::map<std::string, int>* types) {
  using QueryObject = NTSTATUS(WINAPI*)(HANDLE, OBJECT_INFORMATION_CLASS, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<QueryObject>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryObject")));
  constexpr ULONG_PTR kLastHandle = 4 * 16384;
  DWORD count = 0;
  for (ULONG_PTR value = 4; value <= kLastHandle; value += 4) {
    HANDLE copy = nullptr;
    if (!DuplicateHandle(process, reinterpret_cast<HANDLE>(value), GetCurrentProcess(), &copy, 0,
                         FALSE, DUPLICATE_SAME_ACCESS)) {
      continue;
    }
    ++count;
    alignas(8) std::uint8_t info[1024] = {};
    if (types && query && query(copy, ObjectTypeInformation, info, sizeof info, nullptr) == 0) {
      const auto& name = reinterpret_cast<const PUBLIC_OBJECT_TYPE_INFORMATION*>(info)->TypeName;
      std::string type;
      for (USHORT i = 0; i < name.Length / 2; ++i) type += static_cast<char>(name.Buffer[i]);
      ++(*types)[type];
    }
    CloseHandle(copy);
  }
  return count;
}

}  // namespace korvale::testing
