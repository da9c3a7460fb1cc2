// Arbitrary decompressed archives: the index must either refuse them or describe entries
// that lie inside the bytes, and what it accepts must survive being written again.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/SkinArchive.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace korvale;
  if (size > 256 * 1024) return 0;
  const std::span<const std::uint8_t> archive(data, size);
  const SkinArchiveIndex index = ParseSkinArchive(archive);
  if (index.status != SkinArchiveStatus::Ok) {
    Check(!index.problem.empty());
    return 0;
  }
  Check(index.names.size() <= kSkinArchiveMaxEntries);
  Check(index.sizes.size() == index.names.size() && index.offsets.size() == index.names.size());
  std::vector<SkinArchiveEntry> entries;
  for (std::size_t i = 0; i < index.names.size(); ++i) {
    const auto bytes = SkinArchiveEntryBytes(archive, index, i);
    Check(bytes.data() >= data && bytes.data() + bytes.size() <= data + size);
    entries.push_back({index.names[i], std::vector<std::uint8_t>(bytes.begin(), bytes.end())});
  }
  try {
    const std::vector<std::uint8_t> again = BuildSkinArchive(entries, index.reserved1, index.reserved2);
    const SkinArchiveIndex reread = ParseSkinArchive(again);
    Check(reread.status == SkinArchiveStatus::Ok);
    Check(reread.names == index.names && reread.sizes == index.sizes);
  } catch (const SkinArchiveError&) {
    // Only names the writer cannot store end up here: an empty line in the name list.
    bool empty = false;
    for (const auto& name : index.names) empty = empty || name.empty();
    Check(empty);
  }
  return 0;
}
