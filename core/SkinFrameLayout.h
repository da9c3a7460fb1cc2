#pragma once

#include <vector>

#include "core/FrameGeometry.h"

namespace korvale {

// Pure geometry of a skinned window frame: how wide its skinned borders are, where the
// title text goes, which band a pointer is in, how much a dialog is widened, where the
// menu-bar buttons lie. The form skinner asks these and paints.

// The skinned non-client widths: left, title (top), right and bottom borders and the
// menu-bar band below the title.
struct SkinFrameWidths {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int menu = 0;
  bool operator==(const SkinFrameWidths&) const = default;
};

// One frame's thickness of a border piece whose `extent` holds `frameCount` frames.
int PieceThickness(int extent, int frameCount);

// The client rectangle of a window at `window` (any origin) under the skinned frame.
PixelRect SkinnedClientRect(PixelRect window, SkinFrameWidths widths);

// Which band of the skinned non-client area frame row `y` lies in. The top rows stay
// nothing, so the pointer there reaches the default sizing answer.
enum class FrameBand { Nothing, Caption, Menu };
inline constexpr int kFrameGripRows = 3;
FrameBand FrameBandAt(int y, int titleHeight);

// What the skin's title element says about the caption text.
struct TitleTextStyle {
  int alignment = 0;       // 0 left, 1 centred, 2 right
  int textShift = 0;       // left shift for alignment 0
  int textShiftVert = 0;   // added (halved) to the vertical centring
  int rightClip = 0;       // room kept at the right
  int backLeft = 0;        // caps of the text background
  int backRight = 0;
};

// The rectangle of the title text (with its background caps) inside `title`, for a text
// measured at textWidth x textHeight. A popup window's text reaches at least to
// maxButtonLeft - 5; any other stops rightClip short of the title's right edge.
PixelRect TitleTextRect(PixelRect title, int textWidth, int textHeight, const TitleTextStyle& style,
                        bool rightToLeft, bool popup, int maxButtonLeft);

// The width a message box or system dialog needs so that its text and seven blanks fit in
// the skinned title; never less than `width`.
int WidenedDialogWidth(int width, int textLength, int blankWidth, SkinFrameWidths widths,
                       const TitleTextStyle& style);

// Outer size that keeps the client area when the native frame (nativeExtraWidth x
// nativeExtraHeight around the client) replaces the skinned one on a window of W x H.
struct FrameSize {
  int width = 0;
  int height = 0;
  bool operator==(const FrameSize&) const = default;
};
FrameSize NativeSizeFromSkinned(FrameSize skinned, SkinFrameWidths widths, int nativeExtraWidth,
                                int nativeExtraHeight);

// Where the first menu-bar button starts: after the bar element's cap plus 4 (8 from the
// right for right-to-left bars), at 12 when the bar is too narrow, at 6 without an element.
int MenuBarStart(bool hasElement, int leftWidth, int rightWidth, bool rightToLeft, int barWidth);

// The menu-bar buttons' rectangles within a bar of barWidth x barHeight: each as wide as its
// text plus 10 (a text of no width gives a button of no width), laid from `start`, leftwards
// from the right for right-to-left bars.
std::vector<PixelRect> MenuBarButtons(const std::vector<int>& textWidths, int barWidth,
                                      int barHeight, int start, bool rightToLeft);

}  // namespace korvale
