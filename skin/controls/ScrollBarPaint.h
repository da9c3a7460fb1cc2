#pragma once

// One scroll bar drawn from the skin: arrow buttons from `Scrollbar`, the track from
// `HorzScroll`/`VertScroll` and the thumb from `HorzScrollThumb`/`VertScrollThumb`, composed
// 16 pixels thick and stretched to the bar's real thickness in one copy, so one set of bar
// images serves every bar width. Shared by the window-bar and the scroll-bar-control skinners.
#include <windows.h>

#include "core/ScrollBarGeometry.h"

namespace korvale {

class TSkinData;

// The smallest thumb on the NT family, the only one the program runs on.
inline constexpr int kMinScrollThumb = 8;

inline constexpr int kHorzBar = 1;
inline constexpr int kVertBar = 2;

// FPressedPart values.
inline constexpr int kPressedNone = 0;
inline constexpr int kPressedLeft = 1;
inline constexpr int kPressedRight = 2;
inline constexpr int kPressedUp = 3;
inline constexpr int kPressedDown = 4;
inline constexpr int kPressedHorzThumb = 5;
inline constexpr int kPressedVertThumb = 6;

// The pressed part a scroll code shows on a bar of `kind`: the arrow for line up and down,
// the thumb while it tracks, none for anything else.
int PressedPartOfScrollCode(int code, int kind);

// True when the skin has the arrow strip that every skinned bar needs.
bool SkinHasScrollBars(const TSkinData& skin);

// Draws the bar of `kind` onto `bar` of `dc`; the thumb only when `thumb` is given and fits
// its track. Nothing for a bar without area or longer than 10000 pixels.
void DrawScrollBar(HDC dc, const RECT& bar, const TSkinData& skin, int kind, int pressedPart, int buttonSize,
                   const ThumbMetrics* thumb);

}  // namespace korvale
