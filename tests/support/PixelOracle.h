#pragma once

// The pixel oracle: what GDI drew, read back through a DIB, compared with the same picture
// composed in software (core/SoftBlit) within a per-channel tolerance.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/PixelImage.h"

namespace korvale::testing {

// The largest difference of one colour channel allowed between GDI and the software
// composition. Measured once under Wine: the button element of each of the six bundled
// skins, frames 1 to 4, composed at 75 x 25 by StretchBlt in COLORONCOLOR mode and by
// core/SoftBlit, read back through a DIB and compared channel by channel (24 pictures). With
// the blitter sampling each enlarged pixel at its centre, as GDI does, no channel differed,
// so the tolerance is 0. (Sampling at the pixel's left edge instead gave differences up to
// 235 where a stretched edge meets a magenta corner.) Shrinking is not covered: there the
// blitter may take a neighbour of GDI's pixel.
inline constexpr int kOracleTolerance = 0;

// The rectangle of `dc` as a picture.
PixelImage CaptureImage(HDC dc, const RECT& rect);

// The largest per-channel difference between two pictures of the same size.
int MaxChannelDifference(const PixelImage& expected, const PixelImage& actual);

// Success when both pictures have the same size and no channel differs by more than
// `tolerance`; otherwise the first pixel that does, with both colours.
::testing::AssertionResult MatchesOracle(const PixelImage& expected, const PixelImage& actual,
                                         int tolerance = kOracleTolerance);

}  // namespace korvale::testing
