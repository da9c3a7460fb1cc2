#include "core/LzhTree.h"

namespace korvale::lzh {

void LzhTree::Start() {
  for (int s = 0; s < kSymbolCount; ++s) {
    frequency[s] = 1;
    child[s] = static_cast<std::uint16_t>(s + kTreeSize);
    parent[s + kTreeSize] = static_cast<std::uint16_t>(s);
  }
  for (int i = 0, j = kSymbolCount; j <= kRoot; i += 2, ++j) {
    frequency[j] = static_cast<std::uint16_t>(frequency[i] + frequency[i + 1]);
    child[j] = static_cast<std::uint16_t>(i);
    parent[i] = parent[i + 1] = static_cast<std::uint16_t>(j);
  }
  frequency[kTreeSize] = 0xFFFF;
  parent[kRoot] = 0;
}

void LzhTree::Rebuild() {
  int j = 0;
  for (int i = 0; i < kTreeSize; ++i) {
    if (child[i] >= kTreeSize) {
      frequency[j] = static_cast<std::uint16_t>((frequency[i] + 1) / 2);
      child[j] = child[i];
      ++j;
    }
  }
  for (int i = 0, node = kSymbolCount; node < kTreeSize; i += 2, ++node) {
    const std::uint16_t f = static_cast<std::uint16_t>(frequency[i] + frequency[i + 1]);
    int k = node - 1;
    while (f < frequency[k]) --k;
    ++k;
    for (int m = node; m > k; --m) {
      frequency[m] = frequency[m - 1];
      child[m] = child[m - 1];
    }
    frequency[k] = f;
    child[k] = static_cast<std::uint16_t>(i);
  }
  for (int k = 0; k < kTreeSize; ++k) {
    const int c = child[k];
    if (c >= kTreeSize) {
      parent[c] = static_cast<std::uint16_t>(k);
    } else {
      parent[c] = parent[c + 1] = static_cast<std::uint16_t>(k);
    }
  }
}

}  // namespace korvale::lzh
