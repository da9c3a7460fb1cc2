#include "core/SkinRules.h"

#include <algorithm>

#include "core/AsciiText.h"
#include "core/IniValues.h"
#include "core/Lzh.h"

namespace korvale {

namespace {

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::optional<std::int32_t> ParseSkinColour(std::string_view text) {
  text = Trim(text);
  if (text.empty()) return std::nullopt;
  std::uint32_t places[3] = {0, 0, 0};
  int filled = 0;
  std::uint32_t number = 0;
  bool inNumber = false;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      // Only the value modulo 256 matters, so the accumulator never overflows.
      number = (number * 10 + static_cast<std::uint32_t>(c - '0')) % 256;
      inNumber = true;
      continue;
    }
    if (inNumber && filled < 3) places[filled++] = number;
    inNumber = false;
    number = 0;
  }
  if (inNumber && filled == 2) places[filled++] = number;
  return static_cast<std::int32_t>(places[0] | places[1] << 8 | places[2] << 16);
}

std::optional<int> ParseSkinInteger(std::string_view text) {
  if (text.size() > 1 && text.front() == '$') {
    std::string hex = "0x";
    hex += text.substr(1);
    return ParseIniInteger(hex);
  }
  return ParseIniInteger(text);
}

std::string SkinFileNamePart(std::string_view value) {
  const auto cut = value.find_last_of("\\:");
  return std::string(cut == std::string_view::npos ? value : value.substr(cut + 1));
}

std::optional<std::string> SkinImageEntryName(std::string_view value) {
  std::string name = SkinFileNamePart(value);
  if (name.empty()) return std::nullopt;
  const auto dot = name.find_last_of('.');
  if (dot == std::string::npos || name.compare(dot, std::string::npos, ".bmp") != 0) {
    return std::nullopt;
  }
  return name;
}

std::optional<std::string> SkinDefinitionFileName(std::string_view entryName) {
  const auto cut = entryName.find_last_of("\\/:");
  const std::string_view part =
      cut == std::string_view::npos ? entryName : entryName.substr(cut + 1);
  if (part.empty() || part == "." || part == "..") return std::nullopt;
  for (const char c : part) {
    if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
    if (std::string_view("<>\"|?*").find(c) != std::string_view::npos) return std::nullopt;
  }
  if (part.back() == ' ' || part.back() == '.') return std::nullopt;
  // Windows reads a device name before the first dot, trailing blanks ignored.
  std::string device = AsciiUpper(part.substr(0, part.find('.')));
  while (!device.empty() && device.back() == ' ') device.pop_back();
  static constexpr std::string_view kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
  for (const std::string_view d : kDevices) {
    if (device == d) return std::nullopt;
  }
  if (device.size() == 4 && (device.starts_with("COM") || device.starts_with("LPT")) &&
      device[3] >= '0' && device[3] <= '9') {
    return std::nullopt;
  }
  return std::string(part);
}

int SysButtonFrameCount(int frameKey, int imageWidth, int imageHeight, int action) {
  if (frameKey != 0) return frameKey;
  int frames = 6;
  if (imageWidth > 0 && imageHeight > 0) {
    frames = static_cast<double>(imageWidth) / imageHeight <= 3.8 ? 3 : 6;
  }
  if (action < 0) frames = 6;
  return frames;
}

int CheckFrameCount(int imageWidth, int imageHeight) {
  const int frameWidth = imageHeight < 16 ? 13 : 16;
  const int frames = imageWidth / frameWidth;
  return frames < 4 ? 4 : frames;
}

int SaneFrameCount(int frameCount) { return std::max(frameCount, 1); }

FrameMargins SaneMargins(FrameMargins margins, int imageWidth, int imageHeight) {
  const int width = std::max(imageWidth, 0);
  const int height = std::max(imageHeight, 0);
  return {std::clamp(margins.left, 0, width), std::clamp(margins.top, 0, height),
          std::clamp(margins.right, 0, width), std::clamp(margins.bottom, 0, height)};
}

ExpandedSkin ExpandSkinStream(std::span<const std::uint8_t> stream) {
  ExpandedSkin skin;
  if (stream.size() < 4) {
    skin.problem = "the skin stream is shorter than its 4-byte size";
    return skin;
  }
  const std::int32_t declared = LzhDeclaredSize(stream);
  if (declared < 0 || declared > kMaxSkinArchiveSize) {
    skin.problem = "the skin stream declares " + std::to_string(declared) +
                   " decoded bytes, outside 0 to " + std::to_string(kMaxSkinArchiveSize);
    return skin;
  }
  try {
    skin.archive = ExpandLzhStream(stream);
  } catch (const ElzhException& error) {
    skin.problem = error.Message();
    return skin;
  }
  // The last match may carry the decoder past the declared end; those bytes are no part of
  // the archive.
  if (skin.archive.size() > static_cast<std::size_t>(declared)) {
    skin.archive.resize(static_cast<std::size_t>(declared));
  }
  skin.index = ParseSkinArchive(skin.archive);
  skin.status = skin.index.status;
  skin.problem = skin.index.problem;
  return skin;
}

}  // namespace korvale
