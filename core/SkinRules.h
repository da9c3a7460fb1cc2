#pragma once

// The value rules of skin definitions that need no platform: colour strings, integer keys,
// image and entry names, and the frame counts the loader derives.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/FrameGeometry.h"
#include "core/SkinArchive.h"

namespace korvale {

// Colour strings: numbers fill red, green, blue in turn, each taken modulo 256; an
// unfinished number at the end fills blue only when red and green are already filled.
// An empty (after trimming) text yields nothing, so that the caller's default applies.
std::optional<std::int32_t> ParseSkinColour(std::string_view text);

// Integer keys: decimal, "0x" hexadecimal or "$" hexadecimal; nothing for anything else.
std::optional<int> ParseSkinInteger(std::string_view text);

// Everything after the last "\" or ":" (a drive colon); "" when nothing follows.
std::string SkinFileNamePart(std::string_view value);

// The entry name an image key names: its file-name part when the part is non-empty and its
// extension is exactly ".bmp" (case-sensitive), otherwise nothing.
std::optional<std::string> SkinImageEntryName(std::string_view value);

// The file name the definition entry gives: its part after the last "\\", "/" or ":", when
// that is a name Windows takes for a file: not empty, not "." or "..", no control character
// (an embedded NUL included), none of < > " | ? *, no trailing blank or dot, and no device
// name ("CON", "nul.ini", "COM1.txt"). Nothing otherwise, and the skin is refused. The
// definition is never written under this name: it only decides whether the skin is sound.
std::optional<std::string> SkinDefinitionFileName(std::string_view entryName);

// The pixels one skin picture may claim, and all pictures of one load together (a key
// decodes its picture anew, so every key that names a picture counts it). Skin pictures are
// frame strips and tiles a few hundred pixels long; a whole 1920 x 1080 backdrop still fits
// the first, and the second holds eight of those, about 64 MB as 32-bit pixels. A run-length
// picture of a few bytes can claim 32 million pixels, so the headers are checked before
// anything is decoded.
inline constexpr std::int64_t kSkinMaxPicturePixels = std::int64_t{1} << 21;
inline constexpr std::int64_t kSkinMaxPicturePixelsInAll = std::int64_t{1} << 24;

// Frames of a title-bar button: a non-zero frame key stands; otherwise 6, or 3 for an
// image at most 3.8 times as wide as high, and 6 whenever the action is negative.
int SysButtonFrameCount(int frameKey, int imageWidth, int imageHeight, int action);

// Frames of the check or radio strip when the skin gives none: the strip's width over a
// frame of 13 pixels (images under 16 high) or 16, at least 4.
int CheckFrameCount(int imageWidth, int imageHeight);

// A frame count as the painters take it: at least 1, so a strip is never divided by zero or
// a negative number.
int SaneFrameCount(int frameCount);

// Margins as the painters take them: left and right held to 0..imageWidth, top and bottom to
// 0..imageHeight. A margin wider than its image has nothing to show, and a value near the
// integer limits would overflow the piece arithmetic.
FrameMargins SaneMargins(FrameMargins margins, int imageWidth, int imageHeight);

// The largest decompressed skin the reader takes: far above the largest stored skin
// (about 0.6 MB), low enough that a hostile size cannot exhaust memory.
inline constexpr std::int32_t kMaxSkinArchiveSize = 64 * 1024 * 1024;

// A skin stream expanded and indexed. Status Ok: `archive` holds the decompressed bytes and
// `index` every entry inside them. WrongVersion and Malformed carry a message for the user
// in `problem`.
struct ExpandedSkin {
  SkinArchiveStatus status = SkinArchiveStatus::Malformed;
  std::string problem;
  std::vector<std::uint8_t> archive;
  SkinArchiveIndex index;
};

// Reads the 4-byte decoded size, refuses a negative one or one above kMaxSkinArchiveSize,
// expands the stream and indexes the archive. Never throws for bad bytes.
ExpandedSkin ExpandSkinStream(std::span<const std::uint8_t> stream);

}  // namespace korvale
