#pragma once

// What GetWindowRgn tells of a window: whether it has a region, and which of its points the
// region keeps. Points are relative to the window's top-left corner, frame included.
#include <windows.h>

#include "toolkit/GdiHandles.h"

namespace korvale::testing {

class WindowRegion {
 public:
  explicit WindowRegion(HWND window);
  // False for a window without a region: the system then shows its whole rectangle.
  bool Exists() const { return static_cast<bool>(region_); }
  // Without a region, every point of the window's rectangle is kept.
  bool Contains(int x, int y) const;
  // The region's bounding box, or the window's rectangle without a region.
  RECT Bounds() const;

 private:
  SIZE size_{};
  UniqueRegion region_;
};

}  // namespace korvale::testing
