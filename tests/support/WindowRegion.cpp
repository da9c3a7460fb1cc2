#include "tests/support/WindowRegion.h"

namespace korvale::testing {

WindowRegion::WindowRegion(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  size_ = {r.right - r.left, r.bottom - r.top};
  UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  // GetWindowRgn answers ERROR when the window has no region.
  if (GetWindowRgn(window, region.get()) != ERROR) region_ = std::move(region);
}

bool WindowRegion::Contains(int x, int y) const {
  if (region_) return PtInRegion(region_.get(), x, y) != FALSE;
  return x >= 0 && y >= 0 && x < size_.cx && y < size_.cy;
}

RECT WindowRegion::Bounds() const {
  RECT box{0, 0, size_.cx, size_.cy};
  if (region_) GetRgnBox(region_.get(), &box);
  return box;
}

}  // namespace korvale::testing
