#include "core/LzhEncoder.h"

#include <algorithm>
#include <array>
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

// Longest-match search over the data preceded by the decoder's initial spaces. Of the
// space run only the last look-ahead's worth of positions is indexed: any earlier one
// matches no more than those and lies further back.
class MatchFinder {
 public:
  explicit MatchFinder(std::span<const std::uint8_t> data)
      : bytes_(kInitialWritePosition + data.size()),
        previous_(bytes_.size(), -1),
        next_(kInitialWritePosition - kLookAhead) {
    head_.fill(-1);
    std::fill(bytes_.begin(), bytes_.begin() + kInitialWritePosition, kFillByte);
    std::copy(data.begin(), data.end(), bytes_.begin() + kInitialWritePosition);
  }

  // The longest match for data position `position`, the closest among equally long ones.
  Match Find(std::size_t position) {
    const std::size_t current = position + kInitialWritePosition;
    IndexUpTo(current);
    Match best;
    const std::size_t left = bytes_.size() - current;
    if (left < static_cast<std::size_t>(kMinMatch)) return best;
    const int limit = static_cast<int>(std::min<std::size_t>(left, kLookAhead));
    const std::uint8_t* here = bytes_.data() + current;
    const std::ptrdiff_t oldest = static_cast<std::ptrdiff_t>(current) - kDictionarySize;
    for (std::int32_t candidate = head_[Hash(current)];
         candidate >= 0 && candidate >= oldest; candidate = previous_[candidate]) {
      const std::uint8_t* there = bytes_.data() + candidate;
      if (there[best.length] != here[best.length]) continue;
      int length = 0;
      while (length < limit && there[length] == here[length]) ++length;
      if (length > best.length) {
        best.length = length;
        best.distance = static_cast<int>(current - static_cast<std::size_t>(candidate));
        if (length == limit) break;
      }
    }
    if (best.length < kMinMatch) best = Match{};
    return best;
  }

 private:
  static constexpr int kHashBits = 15;

  std::size_t Hash(std::size_t at) const {
    const std::uint32_t key = static_cast<std::uint32_t>(bytes_[at]) << 16 |
                              static_cast<std::uint32_t>(bytes_[at + 1]) << 8 | bytes_[at + 2];
    return (key * 2654435761u) >> (32 - kHashBits);
  }

  void IndexUpTo(std::size_t end) {
    const std::size_t last = bytes_.size() >= 3 ? bytes_.size() - 2 : 0;
    for (; next_ < end && next_ < last; ++next_) {
      const std::size_t h = Hash(next_);
      previous_[next_] = head_[h];
      head_[h] = static_cast<std::int32_t>(next_);
    }
  }

  std::vector<std::uint8_t> bytes_;
  std::vector<std::int32_t> previous_;
  std::array<std::int32_t, 1u << kHashBits> head_;
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
