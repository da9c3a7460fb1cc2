#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace korvale {

// Where one image of an .ico file lies in the file's bytes.
struct IconImageSpan {
  std::size_t offset = 0;
  std::size_t size = 0;
  int width = 0;   // 0 in the directory stands for 256
  int height = 0;
};

// Picks from a whole .ico file the image whose width is nearest to `wantedSize` (the
// deeper one on a tie). Every entry is checked against the bytes given; a file that is not
// an icon directory, or whose chosen image lies outside the file, gives nothing.
std::optional<IconImageSpan> PickIconImage(const std::uint8_t* data, std::size_t size,
                                           int wantedSize);

}  // namespace korvale
