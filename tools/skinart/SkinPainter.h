#pragma once

#include <cstddef>  // PixelImage.h uses size_t
#include <map>
#include <string>

#include "core/PixelImage.h"
#include "tools/skinart/Theme.h"

namespace korvale::skinart {

// Every image of one skin, by lower-case file name.
std::map<std::string, PixelImage> PaintSkin(const Theme& theme);

}  // namespace korvale::skinart
