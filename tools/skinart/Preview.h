#pragma once

#include <cstddef>  // PixelImage.h uses size_t
#include <string>

#include "core/PixelImage.h"

namespace korvale::skinart {

// Renders a mock desktop from a painted skin folder (the definition and its images) with
// the core frame geometry, as the skin engine lays the pieces out: an inactive and an
// active window, title bars with text background and buttons, a menu bar with an open
// drop-down, and the skinned controls in their states.
bool RenderPreview(const std::string& skinFolder, PixelImage& out, std::string& error);
bool WritePreview(const std::string& skinFolder, const std::string& pngPath, std::string& error);

}  // namespace korvale::skinart
