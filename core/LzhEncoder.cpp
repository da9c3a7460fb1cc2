#include "core/LzhEncoder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <memory>
#include <stdexcept>

#include "core/LzhTree.h"

namespace korvale {

using namespace lzh;

namespace {

struct Match {
  int length = 0;
  int distance = 0;
};

// Longest-match search over the data preceded by the decoder's initial spaces, with hash
// chains over the whole window. Of the space run only the last look-ahead's worth of
// positions is indexed: any earlier one matches no more than those and lies further back.
//
// Two chains index every position: one by its first 3 bytes, one by its first 8. Once a
// match of 8 bytes is known, any longer one shares its first 8 bytes, so the search goes on
// in the second chain, which stays short on data with few distinct byte triples (dithered
// two-colour pictures, say), where the first grows to thousands of entries.
class MatchFinder {
 public:
  explicit MatchFinder(std::span<const std::uint8_t> data)
      : end_(kInitialWritePosition + data.size()),
        bytes_(end_ + kComparePadding, 0),
        short_(end_),
        long_(end_),
        next_(kInitialWritePosition - kLookAhead) {
    std::fill(bytes_.begin(), bytes_.begin() + kInitialWritePosition, kFillByte);
    std::copy(data.begin(), data.end(), bytes_.begin() + kInitialWritePosition);
  }

  // The longest match for data position `position`, the closest among equally long ones.
  Match Find(std::size_t position) {
    const std::size_t current = position + kInitialWritePosition;
    IndexUpTo(current);
    Match best;
    const std::size_t left = end_ - current;
    if (left < static_cast<std::size_t>(kMinMatch)) return best;
    const int limit = static_cast<int>(std::min<std::size_t>(left, kLookAhead));
    if (Search(short_, ShortHash(current), current, limit, best) && best.length >= kLongKey) {
      Search(long_, LongHash(current), current, limit, best);
    }
    if (best.length < kMinMatch) best = Match{};
    return best;
  }

 private:
  static constexpr int kLongKey = 8;
  static constexpr int kHashBits = 15;
  // Comparisons read whole words, up to a look-ahead past the end of the data.
  static constexpr std::size_t kComparePadding = kLookAhead + 8;

  struct Chain {
    explicit Chain(std::size_t size) : previous(size, -1) { head.fill(-1); }
    std::array<std::int32_t, 1u << kHashBits> head;
    std::vector<std::int32_t> previous;
  };

  // Equal leading bytes of two strings, counted up to at least kLookAhead.
  static int CommonLength(const std::uint8_t* a, const std::uint8_t* b) {
    for (int at = 0; at < kLookAhead; at += 8) {
      std::uint64_t x;
      std::uint64_t y;
      std::memcpy(&x, a + at, 8);
      std::memcpy(&y, b + at, 8);
      if (x != y) return at + __builtin_ctzll(x ^ y) / 8;
    }
    return kLookAhead;
  }

  // Improves `best` from the chain; false when the search is complete (the limit reached
  // or, for the short chain, no match of kLongKey bytes found).
  bool Search(const Chain& chain, std::size_t hash, std::size_t current, int limit, Match& best) const {
    const std::uint8_t* here = bytes_.data() + current;
    const std::ptrdiff_t oldest = static_cast<std::ptrdiff_t>(current) - kDictionarySize;
    for (std::int32_t candidate = chain.head[hash]; candidate >= 0 && candidate >= oldest;
         candidate = chain.previous[static_cast<std::size_t>(candidate)]) {
      const std::uint8_t* there = bytes_.data() + candidate;
      // Only a candidate that also matches at the current best length can beat it.
      if (there[best.length] != here[best.length]) continue;
      const int length = std::min(CommonLength(here, there), limit);
      if (length > best.length) {
        best.length = length;
        best.distance = static_cast<int>(current - static_cast<std::size_t>(candidate));
        if (length == limit) return false;
        if (&chain == &short_ && length >= kLongKey) return true;
      }
    }
    return false;
  }

  std::size_t ShortHash(std::size_t at) const {
    const std::uint32_t key = static_cast<std::uint32_t>(bytes_[at]) << 16 |
                              static_cast<std::uint32_t>(bytes_[at + 1]) << 8 | bytes_[at + 2];
    return (key * 2654435761u) >> (32 - kHashBits);
  }

  std::size_t LongHash(std::size_t at) const {
    std::uint64_t key;
    std::memcpy(&key, bytes_.data() + at, 8);
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> (64 - kHashBits));
  }

  static void Link(Chain& chain, std::size_t hash, std::size_t at) {
    chain.previous[at] = chain.head[hash];
    chain.head[hash] = static_cast<std::int32_t>(at);
  }

  void IndexUpTo(std::size_t end) {
    const std::size_t last = end_ >= 3 ? end_ - 2 : 0;
    for (; next_ < end && next_ < last; ++next_) {
      Link(short_, ShortHash(next_), next_);
      Link(long_, LongHash(next_), next_);
    }
  }

  std::size_t end_;
  std::vector<std::uint8_t> bytes_;
  Chain short_;
  Chain long_;
  std::size_t next_;
};

std::vector<LzhToken> Parse(std::span<const std::uint8_t> data, bool lazy) {
  std::vector<LzhToken> tokens;
  MatchFinder finder(data);
  std::size_t p = 0;
  Match match = data.empty() ? Match{} : finder.Find(0);
  while (p < data.size()) {
    if (lazy && match.length >= kMinMatch && match.length < kLookAhead &&
        p + 1 < data.size()) {
      const Match later = finder.Find(p + 1);
      if (later.length > match.length) {
        tokens.push_back({0, data[p]});
        ++p;
        match = later;
        continue;
      }
    }
    if (match.length >= kMinMatch) {
      tokens.push_back({static_cast<std::uint16_t>(match.length),
                        static_cast<std::uint16_t>(match.distance)});
      p += static_cast<std::size_t>(match.length);
    } else {
      tokens.push_back({0, data[p]});
      ++p;
    }
    match = p < data.size() ? finder.Find(p) : Match{};
  }
  return tokens;
}

class BitWriter {
 public:
  explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  void Put(std::uint32_t code, int count) {
    for (int i = count - 1; i >= 0; --i) {
      current_ = static_cast<std::uint8_t>(current_ << 1 | ((code >> i) & 1u));
      if (++used_ == 8) {
        out_.push_back(current_);
        current_ = 0;
        used_ = 0;
      }
    }
  }

  void Finish() {
    if (used_ != 0) out_.push_back(static_cast<std::uint8_t>(current_ << (8 - used_)));
    used_ = 0;
    current_ = 0;
  }

 private:
  std::vector<std::uint8_t>& out_;
  std::uint8_t current_ = 0;
  int used_ = 0;
};

// The prefix that codes each value of the high six offset bits, derived from the decoder's
// table so that the two cannot disagree.
struct OffsetCode {
  std::uint8_t code;
  std::uint8_t length;
};

constexpr std::array<OffsetCode, 64> MakeOffsetCodes() {
  std::array<OffsetCode, 64> codes{};
  for (int i = 255; i >= 0; --i) {
    const int length = kOffsetTables.length[i];
    codes[kOffsetTables.high[i]] = {static_cast<std::uint8_t>(i >> (8 - length)),
                                    static_cast<std::uint8_t>(length)};
  }
  return codes;
}

constexpr std::array<OffsetCode, 64> kOffsetCodes = MakeOffsetCodes();

void EncodeSymbol(LzhTree& tree, BitWriter& writer, int symbol) {
  // Collects the path leaf to root, then writes it root first.
  std::array<std::uint8_t, kTreeSize> path;
  int depth = 0;
  for (unsigned k = tree.parent[symbol + kTreeSize]; k != kRoot; k = tree.parent[k]) {
    path[depth++] = static_cast<std::uint8_t>(k - tree.child[tree.parent[k]]);
  }
  while (depth > 0) writer.Put(path[--depth], 1);
  tree.Update(symbol);
}

}  // namespace

std::vector<std::uint8_t> EncodeLzhTokens(std::int32_t declaredSize,
                                          std::span<const LzhToken> tokens) {
  std::vector<std::uint8_t> out;
  out.reserve(tokens.size() + 16);
  const auto size = static_cast<std::uint32_t>(declaredSize);
  for (int shift = 0; shift < 32; shift += 8) {
    out.push_back(static_cast<std::uint8_t>(size >> shift));
  }
  const auto tree = std::make_unique<LzhTree>();
  tree->Start();
  BitWriter writer(out);
  for (const LzhToken& token : tokens) {
    if (token.length == 0 ? token.value > 255
                          : token.length < kMinMatch || token.length > kLookAhead ||
                                token.value < 1 || token.value > kDictionarySize) {
      throw std::invalid_argument("LZH token out of range");
    }
    if (token.length == 0) {
      EncodeSymbol(*tree, writer, token.value);
      continue;
    }
    EncodeSymbol(*tree, writer, 256 + token.length - kMinMatch);
    const unsigned offset = token.value - 1u;
    const OffsetCode& code = kOffsetCodes[offset >> 6];
    writer.Put(code.code, code.length);
    writer.Put(offset & 0x3F, 6);
  }
  writer.Finish();
  return out;
}

std::vector<std::uint8_t> CompressLzh(std::span<const std::uint8_t> data) {
  if (data.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    throw std::length_error("LZH input is larger than a stream can declare");
  }
  const auto size = static_cast<std::int32_t>(data.size());
  std::vector<std::uint8_t> greedy = EncodeLzhTokens(size, Parse(data, false));
  std::vector<std::uint8_t> lazy = EncodeLzhTokens(size, Parse(data, true));
  return lazy.size() < greedy.size() ? lazy : greedy;
}

}  // namespace korvale
