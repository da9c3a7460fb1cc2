#include "core/SysButtonLayout.h"

#include <algorithm>

namespace korvale {

namespace {

// One row of the visibility table; `first` selects the Visibility column, else Visibility1.
bool VisibilityTest(int value, const SysButtonRule& rule, const SysButtonWindow& w, bool first) {
  switch (value) {
    case 0:
      return !first || (w.borderKind != 3 && (rule.action != 0 || w.systemMenu));
    case 1:
      return w.maximized;
    case 2:
      return !w.maximized;
    case 3:
      return w.active;
    case 4:
      return !w.active;
    case 6:
      return w.maximizeBox && (!first || w.systemMenu);
    case 7:
      return !w.maximizeBox;
    case 8:
      return w.minimizeBox && (!first || w.systemMenu);
    case 9:
      return !w.minimizeBox;
    case 100:
      return w.mdiChildMaximized && w.menuHeight > 0;
    default:
      return value >= 200 && value <= 2000;
  }
}

}  // namespace

bool ButtonVisible(const SysButtonRule& rule, const SysButtonWindow& window) {
  if (rule.action == 1 && !window.maximizeBox) return false;
  if (rule.action == 2 && !window.minimizeBox) return false;
  return VisibilityTest(rule.visibility, rule, window, true) &&
         VisibilityTest(rule.visibility1, rule, window, false);
}

SysButtonLayout LayoutSysButtons(const std::vector<SysButtonShape>& shapes, const SysButtonFrame& f) {
  SysButtonLayout layout;
  layout.rects.reserve(shapes.size());
  for (const SysButtonShape& s : shapes) {
    if (!s.visible || s.imageWidth <= 0 || s.imageHeight <= 0) {
      layout.rects.emplace_back();
      continue;
    }
    const int width = s.imageWidth / std::max(1, s.frameCount);
    const int height = s.imageHeight;
    const int x = s.rule.x;
    const int y = s.rule.y;
    int left = 0;
    int top = 0;
    switch (s.rule.align) {
      case 0:
        left = x;
        top = y;
        break;
      case 1:
        left = f.width - x;
        top = y;
        layout.maxButtonLeft = std::max(layout.maxButtonLeft, left);
        break;
      case 2:
      case 8:
        left = f.textRect.left - width - x;
        top = y;
        break;
      case 3:
      case 9:
        left = x + f.textRect.right;
        top = y;
        break;
      case 100:
        top = (f.menuHeight - height) / 2 + f.top;
        left = f.rightToLeft ? x + f.menuBarLeftWidth + f.left : f.width - x - f.right - f.menuBarLeftWidth;
        break;
      default:
        break;
    }
    layout.rects.push_back(PixelRect{left, top, left + width, top + height});
  }
  return layout;
}

int TitleButtonFrame(bool active, int frameCount) { return active || frameCount < 4 ? 1 : 4; }

int HotStateFrame(int state, int visibility) { return state == 3 && visibility == 100 ? 4 : state; }

}  // namespace korvale
