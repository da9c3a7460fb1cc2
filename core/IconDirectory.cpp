#include "core/IconDirectory.h"

#include <cstdlib>

#include "core/LittleEndian.h"

namespace korvale {

namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;


}  // namespace

std::optional<IconImageSpan> PickIconImage(const std::uint8_t* data, std::size_t size,
                                           int wantedSize) {
  if (!data || size < kHeaderSize) return std::nullopt;
  if (ReadLe16(data) != 0 || ReadLe16(data + 2) != 1) return std::nullopt;  // reserved, type icon
  const std::size_t count = ReadLe16(data + 4);
  if (count == 0 || kHeaderSize + count * kEntrySize > size) return std::nullopt;

  std::optional<IconImageSpan> best;
  unsigned bestDepth = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* entry = data + kHeaderSize + i * kEntrySize;
    IconImageSpan span;
    span.width = entry[0] ? entry[0] : 256;
    span.height = entry[1] ? entry[1] : 256;
    const unsigned depth = ReadLe16(entry + 6);
    span.size = ReadLe32(entry + 8);
    span.offset = ReadLe32(entry + 12);
    if (span.size == 0 || span.offset > size || span.size > size - span.offset) continue;
    const auto distance = [wantedSize](const IconImageSpan& s) {
      return std::abs(s.width - wantedSize);
    };
    if (!best || distance(span) < distance(*best) ||
        (distance(span) == distance(*best) && depth > bestDepth)) {
      best = span;
      bestDepth = depth;
    }
  }
  return best;
}

}  // namespace korvale
