#pragma once

// The adaptive Huffman tree and the constants that the LZH decoder and the skin compiler's
// encoder share. Both sides must evolve the tree identically, symbol by symbol, so there is
// exactly one implementation of it.
#include <array>
#include <cstdint>

namespace korvale::lzh {

inline constexpr int kDictionarySize = 4096;
inline constexpr int kDictionaryMask = kDictionarySize - 1;
inline constexpr int kLookAhead = 60;
inline constexpr int kThreshold = 2;
inline constexpr int kMinMatch = kThreshold + 1;
inline constexpr int kSymbolCount = 256 - kThreshold + kLookAhead;  // 314
inline constexpr int kTreeSize = 2 * kSymbolCount - 1;              // 627
inline constexpr int kRoot = kTreeSize - 1;                         // 626
inline constexpr std::uint16_t kFrequencyCeiling = 0x8000;
inline constexpr int kInitialWritePosition = kDictionarySize - kLookAhead;  // 4036
inline constexpr std::uint8_t kFillByte = 0x20;
// The ring with room for a look-ahead behind its end, as the stored format has always had.
inline constexpr int kRingBytes = kDictionarySize + kLookAhead - 1;  // 4155

// High six offset bits and the number of bits that code them, indexed by the first eight
// coded bits of an offset.
struct OffsetTables {
  std::array<std::uint8_t, 256> high{};
  std::array<std::uint8_t, 256> length{};
};

constexpr OffsetTables MakeOffsetTables() {
  OffsetTables tables;
  // Groups of (coded length, count of i per high value, number of high values).
  constexpr int groups[6][3] = {{3, 32, 1}, {4, 16, 3}, {5, 8, 8},
                                {6, 4, 12}, {7, 2, 24}, {8, 1, 16}};
  int i = 0;
  int high = 0;
  for (const auto& group : groups) {
    for (int h = 0; h < group[2]; ++h, ++high) {
      for (int k = 0; k < group[1]; ++k, ++i) {
        tables.high[i] = static_cast<std::uint8_t>(high);
        tables.length[i] = static_cast<std::uint8_t>(group[0]);
      }
    }
  }
  return tables;
}

inline constexpr OffsetTables kOffsetTables = MakeOffsetTables();

class LzhTree {
 public:
  // frequency has a sentinel at kTreeSize; parent entries kTreeSize.. hold the leaf position
  // of each symbol; a child value of kTreeSize or more is a leaf (kTreeSize + symbol).
  std::array<std::uint16_t, kTreeSize + 1> frequency;
  std::array<std::uint16_t, kTreeSize + kSymbolCount> parent;
  std::array<std::uint16_t, kTreeSize> child;

  void Start();
  void Rebuild();

  // Counts symbol s and restores the order of frequencies by swapping nodes.
  void Update(int symbol) {
    if (frequency[kRoot] == kFrequencyCeiling) Rebuild();
    std::uint16_t* freq = frequency.data();
    std::uint16_t* prnt = parent.data();
    std::uint16_t* son = child.data();
    unsigned c = prnt[symbol + kTreeSize];
    do {
      const std::uint16_t k = ++freq[c];
      if (freq[c + 1] < k) {
        unsigned l = c + 1;
        while (freq[l + 1] < k) ++l;
        freq[c] = freq[l];
        freq[l] = k;
        const unsigned i = son[c];
        prnt[i] = static_cast<std::uint16_t>(l);
        if (i < kTreeSize) prnt[i + 1] = static_cast<std::uint16_t>(l);
        const unsigned j = son[l];
        son[l] = static_cast<std::uint16_t>(i);
        prnt[j] = static_cast<std::uint16_t>(c);
        if (j < kTreeSize) prnt[j + 1] = static_cast<std::uint16_t>(c);
        son[c] = static_cast<std::uint16_t>(j);
        c = l;
      }
      c = prnt[c];
    } while (c != 0);
  }
};

}  // namespace korvale::lzh
