#pragma once

#include <cstddef>  // PixelImage.h uses size_t
#include <optional>
#include <string>
#include <vector>

#include "core/PixelImage.h"

namespace korvale::skinart {

// The file formats the painter writes. Each writer returns false when the file cannot be
// written; the caller reports it.

// A 24-bit bottom-up BMP, the format of every skin image.
std::vector<unsigned char> EncodeBmp24(const PixelImage& image);
// A 1-bit BMP with a black (index 0) and white (index 1) palette; pixels that are not
// white become black.
std::vector<unsigned char> EncodeBmp1(const PixelImage& image);
// An icon file of 32-bit images; magenta pixels are transparent.
std::vector<unsigned char> EncodeIco(const std::vector<PixelImage>& images);
// A PNG with stored (uncompressed) deflate blocks: large but needs no library.
std::vector<unsigned char> EncodePng(const PixelImage& image);

// Reads the 24-bit uncompressed BMPs this tool writes; nothing for anything else.
std::optional<PixelImage> DecodeBmp24(const std::vector<unsigned char>& bytes);

bool WriteFile(const std::string& path, const std::vector<unsigned char>& bytes);
std::optional<std::vector<unsigned char>> ReadFile(const std::string& path);

}  // namespace korvale::skinart
