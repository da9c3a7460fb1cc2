// Arbitrary compressed streams: both decoding paths must agree, yield the requested length
// (plus at most the rest of a last match) and never touch memory outside their buffers;
// whatever they yield goes on to the archive index.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/Lzh.h"
#include "core/LzhTree.h"
#include "core/SkinArchive.h"

namespace {

constexpr std::size_t kMaxInput = 64 * 1024;
// Sizes up to kMaxOutput are decoded as declared (a tree rebuild needs some 32,000
// symbols); larger ones are folded below kFoldedOutput to keep most runs quick. Only runs up
// to kMaxCompared bytes also go through the byte-by-byte procedures.
constexpr std::int32_t kMaxOutput = 128 * 1024;
constexpr std::int32_t kFoldedOutput = 8 * 1024;
constexpr std::int32_t kMaxCompared = 32 * 1024;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace korvale;
  if (size > kMaxInput) return 0;
  const std::span<const std::uint8_t> stream(data, size);
  if (size < 4) {
    try {
      ExpandLzhStream(stream);
      Check(false);
    } catch (const ElzhException&) {
    }
    return 0;
  }
  std::int32_t declared = LzhDeclaredSize(stream);
  if (declared > kMaxDecodedSize) {
    try {
      ExpandLzhStream(stream);
      Check(false);
    } catch (const ElzhException&) {
    }
  }
  if (declared > kMaxOutput) declared %= kFoldedOutput;

  std::vector<std::uint8_t> fast;
  TLZH bound(stream.subspan(4), fast);
  bound.Decode(declared);

  if (declared <= kMaxCompared) {
    std::vector<std::uint8_t> slow;
    std::size_t next = 4;
    TLZH procedures;
    procedures.Decode(
        declared,
        [&](std::uint8_t& byte) {
          if (next >= size) return 0;
          byte = data[next++];
          return 1;
        },
        [&](std::uint8_t byte) { slow.push_back(byte); });
    Check(fast == slow);
  }
  if (declared <= 0) {
    Check(fast.empty());
  } else {
    Check(fast.size() >= static_cast<std::size_t>(declared));
    Check(fast.size() < static_cast<std::size_t>(declared) + lzh::kLookAhead);
  }

  const SkinArchiveIndex index = ParseSkinArchive(fast);
  if (index.status == SkinArchiveStatus::Ok) {
    for (std::size_t i = 0; i < index.names.size(); ++i) {
      const auto bytes = SkinArchiveEntryBytes(fast, index, i);
      Check(bytes.data() + bytes.size() <= fast.data() + fast.size());
    }
  }
  return 0;
}
