#include "skin/data/MenuGlyphs.h"

#include <array>
#include <cstdint>

#include "toolkit/GdiHandles.h"

namespace korvale {

namespace {

constexpr int kGlyph = 16;
constexpr int kGlyphs = 4;

// '#' is a black pixel; four glyphs side by side.
constexpr std::array<const char*, kGlyph> kPicture = {
    "................................................................",
    "................................................................",
    "................................................................",
    ".......#######..................................................",
    ".......#######.....##########...................................",
    ".......#.....#.....##########.....................##.......##...",
    ".....#######.#.....#........#......................##.....##....",
    ".....#######.#.....#........#.......................##...##.....",
    ".....#.....###.....#........#........................##.##......",
    ".....#.....#.......#........#.........................###.......",
    ".....#.....#.......#........#........................##.##......",
    ".....#.....#.......#........#.......................##...##.....",
    ".....#######.......##########.......######.........##.....##....",
    "....................................######........##.......##...",
    "................................................................",
    "................................................................",
};

HBITMAP BuiltInGlyphs() {
  // Monochrome rows are padded to 16 bits; a set bit is white.
  constexpr int kRowBytes = kGlyph * kGlyphs / 8;
  std::array<std::uint8_t, kRowBytes * kGlyph> bits{};
  for (int y = 0; y < kGlyph; ++y) {
    for (int x = 0; x < kGlyph * kGlyphs; ++x) {
      if (kPicture[y][x] != '#') bits[y * kRowBytes + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
  }
  return CreateBitmap(kGlyph * kGlyphs, kGlyph, 1, 1, bits.data());
}

}  // namespace

HIMAGELIST CreateMenuImages() {
  UniqueBitmap strip(static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), "LUMETRAMENU", IMAGE_BITMAP, 0, 0, LR_MONOCHROME)));
  if (!strip) strip.reset(BuiltInGlyphs());
  HIMAGELIST list = ImageList_Create(kGlyph, kGlyph, ILC_COLOR24 | ILC_MASK, kGlyphs, 0);
  if (list && strip) ImageList_AddMasked(list, strip.get(), RGB(255, 255, 255));
  return list;
}

}  // namespace korvale
