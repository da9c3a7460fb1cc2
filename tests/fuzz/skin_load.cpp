// Arbitrary skin bytes on the reader's path. The first byte chooses the input: an archive as
// the decoder would produce it, or a compressed skin stream. Either is refused with a reason,
// or indexed with every entry inside the bytes, at most 1,001 of them, definition names that
// are plain file names, and entries that read as INI text into trimmed, named
// sections without comments or blank entries.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/IniText.h"
#include "core/Lzh.h"
#include "core/LzhEncoder.h"
#include "core/SkinArchive.h"
#include "core/SkinRules.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

void CheckIndex(std::span<const std::uint8_t> archive, const korvale::SkinArchiveIndex& index,
                const std::string& problem) {
  using namespace korvale;
  if (index.status != SkinArchiveStatus::Ok) {
    Check(!problem.empty());
    return;
  }
  Check(index.names.size() <= kSkinArchiveMaxEntries);
  Check(index.sizes.size() == index.names.size() && index.offsets.size() == index.names.size());
  for (std::size_t i = 0; i < index.names.size(); ++i) {
    const auto bytes = SkinArchiveEntryBytes(archive, index, i);
    Check(bytes.data() >= archive.data() &&
          bytes.data() + bytes.size() <= archive.data() + archive.size());
    if (const auto name = SkinDefinitionFileName(index.names[i])) {
      Check(!name->empty() && *name != "." && *name != "..");
      Check(name->find_first_of(std::string_view("\\/:\0", 4)) == std::string::npos);
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    for (const IniSection& section : ParseIniSections(text)) {
      Check(!section.name.empty() && section.name.front() != ' ' && section.name.back() != ' ');
      for (const std::string& entry : section.entries) Check(!entry.empty() && entry.front() != ';');
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace korvale;
  if (size < 1 || size > 64 * 1024) return 0;
  const std::span<const std::uint8_t> input(data + 1, size - 1);
  if (data[0] & 1) {
    // Missing input decodes as zero bits, so a large declared size costs its full length in
    // time; the size limits themselves are checked by the unit tests.
    if (input.size() >= 4 && LzhDeclaredSize(input) > (1 << 20)) return 0;
    const ExpandedSkin skin = ExpandSkinStream(input);
    Check(skin.archive.size() <= static_cast<std::size_t>(kMaxSkinArchiveSize));
    CheckIndex(skin.archive, skin.index, skin.problem);
    return 0;
  }
  const SkinArchiveIndex index = ParseSkinArchive(input);
  CheckIndex(input, index, index.problem);
  // Small archives also travel compressed: the reader's path must index them the same way.
  if (input.size() <= 2048) {
    const ExpandedSkin skin = ExpandSkinStream(CompressLzh(input));
    Check(skin.status == index.status);
    Check(std::vector<std::uint8_t>(input.begin(), input.end()) == skin.archive);
    Check(skin.index.names == index.names && skin.index.sizes == index.sizes);
  }
  return 0;
}
