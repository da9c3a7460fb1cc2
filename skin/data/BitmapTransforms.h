#pragma once

// In-place turns of a bitmap, used by the definition parser (the mirrored combo button) and
// by the control skinners. Every pixel keeps its value; only its place changes.
namespace korvale {

class TBitmap;

void MirrorHorizontal(TBitmap& bitmap);  // pixel x takes the value of pixel width - 1 - x
void FlipVertical(TBitmap& bitmap);      // row y takes the value of row height - 1 - y
// A quarter turn counter-clockwise: (x, y) lands at (y, width - 1 - x).
void RotateLeft(TBitmap& bitmap);
// A quarter turn clockwise: (x, y) lands at (height - 1 - y, x).
void RotateRight(TBitmap& bitmap);

}  // namespace korvale
