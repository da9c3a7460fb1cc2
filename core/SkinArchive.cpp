#include "core/SkinArchive.h"

#include <limits>

#include "core/LittleEndian.h"

namespace korvale {

namespace {

void PutInt32(std::vector<std::uint8_t>& out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) {
    out.push_back(static_cast<std::uint8_t>(bits >> shift));
  }
}

std::int32_t GetInt32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::int32_t>(ReadLe32(bytes.data() + at));
}

constexpr std::size_t kInt32Max = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());

// The number of names SplitSkinNameList makes of the list.
std::size_t CountSkinNames(std::string_view list) {
  std::size_t count = 0;
  std::size_t i = 0;
  while (i < list.size()) {
    const char c = list[i++];
    if (c != '\r' && c != '\n') continue;
    ++count;
    if (c == '\r' && i < list.size() && list[i] == '\n') ++i;
  }
  const char last = list.empty() ? '\n' : list.back();
  if (last != '\r' && last != '\n') ++count;
  return count;
}

}  // namespace

std::string SkinArchiveNameProblem(std::string_view name) {
  if (name.empty()) return "the name is empty";
  if (name.find_first_of("\r\n") != std::string_view::npos) {
    return "the name holds a line break";
  }
  return "";
}

std::vector<std::uint8_t> BuildSkinArchive(const std::vector<SkinArchiveEntry>& entries,
                                           std::int32_t reserved1, std::int32_t reserved2) {
  if (entries.size() > kSkinArchiveMaxEntries) {
    throw SkinArchiveError("a skin holds at most " + std::to_string(kSkinArchiveMaxEntries) +
                           " entries, not " + std::to_string(entries.size()));
  }
  std::string list;
  std::size_t total = 0;
  for (const SkinArchiveEntry& entry : entries) {
    const std::string problem = SkinArchiveNameProblem(entry.name);
    if (!problem.empty()) {
      throw SkinArchiveError("cannot store the name \"" + entry.name + "\": " + problem);
    }
    list += entry.name;
    list += "\r\n";
    total += entry.data.size();
  }
  const std::size_t archiveSize =
      kSkinArchiveHeaderSize + list.size() + 4 * entries.size() + total;
  if (archiveSize > kInt32Max) throw SkinArchiveError("the skin is larger than 2 GiB");

  std::vector<std::uint8_t> out;
  out.reserve(archiveSize);
  PutInt32(out, kSkinArchiveVersion);
  PutInt32(out, static_cast<std::int32_t>(list.size()));
  PutInt32(out, reserved1);
  PutInt32(out, reserved2);
  out.insert(out.end(), list.begin(), list.end());
  for (const SkinArchiveEntry& entry : entries) {
    PutInt32(out, static_cast<std::int32_t>(entry.data.size()));
  }
  for (const SkinArchiveEntry& entry : entries) {
    out.insert(out.end(), entry.data.begin(), entry.data.end());
  }
  return out;
}

std::vector<std::string> SplitSkinNameList(std::string_view list) {
  std::vector<std::string> names;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < list.size()) {
    const char c = list[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    names.emplace_back(list.substr(start, i - start));
    ++i;
    if (c == '\r' && i < list.size() && list[i] == '\n') ++i;
    start = i;
  }
  if (start < list.size()) names.emplace_back(list.substr(start));
  return names;
}

SkinArchiveIndex ParseSkinArchive(std::span<const std::uint8_t> archive) {
  SkinArchiveIndex index;
  if (archive.size() < 4) {
    index.problem = "it is too short to hold a version";
    return index;
  }
  index.version = GetInt32(archive, 0);
  if (index.version != kSkinArchiveVersion) {
    index.status = SkinArchiveStatus::WrongVersion;
    index.problem = "its version is " + std::to_string(index.version) + ", not " +
                    std::to_string(kSkinArchiveVersion);
    return index;
  }
  if (archive.size() < kSkinArchiveHeaderSize) {
    index.problem = "it is too short to hold a header";
    return index;
  }
  index.nameListLength = GetInt32(archive, 4);
  index.reserved1 = GetInt32(archive, 8);
  index.reserved2 = GetInt32(archive, 12);
  const std::size_t afterHeader = archive.size() - kSkinArchiveHeaderSize;
  if (index.nameListLength < 0 || static_cast<std::size_t>(index.nameListLength) > afterHeader) {
    index.problem = "its name list length " + std::to_string(index.nameListLength) +
                    " does not fit its " + std::to_string(afterHeader) + " bytes";
    return index;
  }
  const auto listLength = static_cast<std::size_t>(index.nameListLength);
  const std::string_view list(reinterpret_cast<const char*>(archive.data()) + kSkinArchiveHeaderSize,
                              listLength);
  // Counted before splitting, so that a hostile list of millions of line breaks is refused
  // without building millions of names.
  const std::size_t listed = CountSkinNames(list);
  if (listed > kSkinArchiveMaxEntries) {
    index.problem = "it names " + std::to_string(listed) + " entries, more than " +
                    std::to_string(kSkinArchiveMaxEntries);
    return index;
  }
  index.names = SplitSkinNameList(list);
  const std::size_t count = index.names.size();
  const std::size_t sizesAt = kSkinArchiveHeaderSize + listLength;
  if (archive.size() - sizesAt < 4 * count) {
    index.problem = "its size table runs past the end";
    index.names.clear();
    return index;
  }
  index.dataOffset = sizesAt + 4 * count;
  index.dataSize = archive.size() - index.dataOffset;
  std::size_t offset = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::int32_t size = GetInt32(archive, sizesAt + 4 * i);
    if (size < 0 || static_cast<std::size_t>(size) > index.dataSize - offset) {
      index.problem = "entry \"" + index.names[i] + "\" of size " + std::to_string(size) +
                      " does not fit the data part";
      index.names.clear();
      index.sizes.clear();
      index.offsets.clear();
      return index;
    }
    index.sizes.push_back(size);
    index.offsets.push_back(offset);
    offset += static_cast<std::size_t>(size);
  }
  index.status = SkinArchiveStatus::Ok;
  return index;
}

std::span<const std::uint8_t> SkinArchiveEntryBytes(std::span<const std::uint8_t> archive,
                                                    const SkinArchiveIndex& index,
                                                    std::size_t i) {
  return archive.subspan(index.dataOffset + index.offsets.at(i),
                         static_cast<std::size_t>(index.sizes.at(i)));
}

}  // namespace korvale
