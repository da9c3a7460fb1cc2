#pragma once

// The decompressed skin archive: a 16-byte header (version, name-list length, two reserved
// integers), the name list, a table of entry sizes and the entries back to back. All
// integers are signed 32-bit little-endian.
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace korvale {

inline constexpr std::int32_t kSkinArchiveVersion = 20000;
inline constexpr std::size_t kSkinArchiveMaxEntries = 1001;
inline constexpr std::size_t kSkinArchiveHeaderSize = 16;

struct SkinArchiveEntry {
  std::string name;
  std::vector<std::uint8_t> data;
};

// A name that the archive cannot hold, or too many entries for a reader to index.
class SkinArchiveError : public std::runtime_error {
 public:
  explicit SkinArchiveError(const std::string& message) : std::runtime_error(message) {}
};

// Why a name cannot be stored ("" when it can): it is empty or holds a line break.
std::string SkinArchiveNameProblem(std::string_view name);

// Writes the archive: each name followed by CR LF, then the sizes, then the entries, all in
// the given order. Throws SkinArchiveError for a name that cannot be stored, more than
// kSkinArchiveMaxEntries entries, or a size that does not fit the format.
std::vector<std::uint8_t> BuildSkinArchive(const std::vector<SkinArchiveEntry>& entries,
                                           std::int32_t reserved1 = 0,
                                           std::int32_t reserved2 = 0);

// Splits a name list into names: a line ends at CR, LF or CR LF, and a final line break
// adds no empty name.
std::vector<std::string> SplitSkinNameList(std::string_view list);

enum class SkinArchiveStatus { Ok, WrongVersion, Malformed };

// The archive's index. Entry i lies at offsets[i] within the data part, which starts at
// dataOffset in the archive; every entry lies wholly inside the archive when status is Ok.
struct SkinArchiveIndex {
  SkinArchiveStatus status = SkinArchiveStatus::Malformed;
  std::string problem;  // why it is not Ok, for messages
  std::int32_t version = 0;
  std::int32_t nameListLength = 0;
  std::int32_t reserved1 = 0;
  std::int32_t reserved2 = 0;
  std::vector<std::string> names;  // as stored, case kept
  std::vector<std::int32_t> sizes;
  std::vector<std::size_t> offsets;
  std::size_t dataOffset = 0;
  std::size_t dataSize = 0;  // bytes after the size table, including any the entries leave
};

// Checks and indexes an archive. The version is checked first; a wrong one leaves the rest
// unread. Refuses a header or name list or size table that runs past the end, more than
// kSkinArchiveMaxEntries names, negative sizes and entries that run past the data part.
SkinArchiveIndex ParseSkinArchive(std::span<const std::uint8_t> archive);

// The bytes of entry i of an Ok index.
std::span<const std::uint8_t> SkinArchiveEntryBytes(std::span<const std::uint8_t> archive,
                                                    const SkinArchiveIndex& index,
                                                    std::size_t i);

}  // namespace korvale
