#pragma once

// The progress bar skinner: the Progress element's background frame over the whole bar and
// its filled frame (or, in the chunk style, a row of chunks) over the filled part, always
// from left to right.
#include "skin/controls/SkinControl.h"

namespace korvale {

class TSkinProgress : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  std::string ClassName() const override { return "TSkinProgress"; }

 protected:
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  void DrawChunks(HDC dc, const RECT& rect, int filledRight);
};

}  // namespace korvale
