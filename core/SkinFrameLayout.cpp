#include "core/SkinFrameLayout.h"

#include <algorithm>

namespace korvale {

int PieceThickness(int extent, int frameCount) { return extent / std::max(1, frameCount); }

PixelRect SkinnedClientRect(PixelRect window, SkinFrameWidths w) {
  return {window.left + w.left, window.top + w.top + w.menu, window.right - w.right,
          window.bottom - w.bottom};
}

FrameBand FrameBandAt(int y, int titleHeight) {
  if (y > titleHeight) return FrameBand::Menu;
  if (y > kFrameGripRows) return FrameBand::Caption;
  return FrameBand::Nothing;
}

PixelRect TitleTextRect(PixelRect title, int textWidth, int textHeight, const TitleTextStyle& s,
                        bool rightToLeft, bool popup, int maxButtonLeft) {
  PixelRect x{title.left, title.top, title.left + textWidth + s.backLeft + s.backRight,
              title.top + textHeight};
  const int alignment = rightToLeft ? 2 : s.alignment;
  int dx = 0;
  switch (alignment) {
    case 0:
      dx = s.textShift;
      break;
    case 1:
      dx = (title.Width() - x.Width()) / 2;
      break;
    case 2:
      dx = title.Width() - s.rightClip - x.Width();
      break;
    default:
      break;
  }
  const int dy = (title.Height() - x.Height()) / 2 + s.textShiftVert / 2;
  x = x.Moved(dx, dy);
  if (popup) x.right = std::max(x.right, maxButtonLeft - 5);
  else x.right = std::min(x.right, title.right - s.rightClip);
  return x;
}

int WidenedDialogWidth(int width, int textLength, int blankWidth, SkinFrameWidths w,
                       const TitleTextStyle& s) {
  const int needed = (textLength + 7) * blankWidth + w.left + w.right + s.textShift + s.rightClip +
                     s.backLeft + s.backRight;
  return std::max(width, needed);
}

FrameSize NativeSizeFromSkinned(FrameSize skinned, SkinFrameWidths w, int nativeExtraWidth,
                                int nativeExtraHeight) {
  return {skinned.width + nativeExtraWidth - w.left - w.right,
          skinned.height + nativeExtraHeight - w.top - w.menu - w.bottom};
}

int MenuBarStart(bool hasElement, int leftWidth, int rightWidth, bool rightToLeft, int barWidth) {
  if (!hasElement) return 6;
  const int start = rightToLeft ? rightWidth + 8 : leftWidth + 4;
  return barWidth < start ? 12 : start;
}

std::vector<PixelRect> MenuBarButtons(const std::vector<int>& textWidths, int barWidth,
                                      int barHeight, int start, bool rightToLeft) {
  std::vector<PixelRect> rects;
  rects.reserve(textWidths.size());
  int x = rightToLeft ? barWidth - start : start;
  for (const int textWidth : textWidths) {
    const int width = textWidth > 0 ? textWidth + 10 : 0;
    if (rightToLeft) {
      rects.push_back({x - width, 0, x, barHeight - 1});
      x -= width;
    } else {
      rects.push_back({x, 0, x + width, barHeight - 1});
      x += width;
    }
  }
  return rects;
}

}  // namespace korvale
