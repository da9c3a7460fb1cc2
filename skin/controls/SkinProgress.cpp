#include "skin/controls/SkinProgress.h"

#include <commctrl.h>

#include "core/FieldGeometry.h"
#include "skin/data/SkinData.h"
#include "skin/paint/FramePaint.h"
#include "skin/paint/TransparentBlit.h"
#include "skin/paint/WorkBitmap.h"

namespace korvale {

namespace {
constexpr int kProgressFrames = 2;
constexpr int kChunkStyle = 1;
}  // namespace

void TSkinProgress::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinBorder* progress = FSkinData->Progress.get();
  if (!progress || !progress->Image || progress->Image->Empty()) return;
  const bool chunks = progress->Style == kChunkStyle;
  if (chunks && (!progress->Image2 || progress->Image2->Empty())) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  const auto position = static_cast<int>(SendMessageA(FHandle, PBM_GETPOS, 0, 0));
  const auto maximum = static_cast<int>(SendMessageA(FHandle, PBM_GETRANGE, FALSE, 0));
  const int filledRight = ProgressFillRight(0, width, position, maximum);
  TBitmap& work = WorkBitmap(width, height);
  HDC buffer = work.MemoryDC();
  const RECT bar{0, 0, width, height};
  FillFace(buffer, bar);
  const FrameMargins margins = ElementMargins(*progress);
  const bool tile = progress->Tile != 0;
  if (chunks) {
    DrawSkinFrame(buffer, bar, *progress->Image, StripLayout::SideBySide, tile, true, margins, 1, 1);
    DrawChunks(buffer, bar, filledRight);
  } else {
    DrawSkinFrame(buffer, bar, *progress->Image, StripLayout::SideBySide, tile, true, margins, kProgressFrames, 1);
    if (filledRight > 0)
      DrawSkinFrame(buffer, RECT{0, 0, filledRight, height}, *progress->Image, StripLayout::SideBySide, tile, true,
                    margins, kProgressFrames, 2);
  }
  BitBlt(dc, rect.left, rect.top, width, height, buffer, 0, 0, SRCCOPY);
}

void TSkinProgress::DrawChunks(HDC dc, const RECT& rect, int filledRight) {
  const int filled = filledRight - rect.left;
  if (filled <= 0) return;
  const TDataSkinBorder& progress = *FSkinData->Progress;
  const TBitmap& chunk = *progress.Image2;
  TBitmap row;
  row.SetSize(filled, chunk.Height());
  TileRect(row.MemoryDC(), RECT{0, 0, filled, chunk.Height()}, chunk, RECT{0, 0, chunk.Width(), chunk.Height()});
  const int x = rect.left + progress.LeftWidth;
  const int y = rect.top + (rect.bottom - rect.top - chunk.Height()) / 2;
  BlitTransparent(dc, RECT{x, y, x + filled, y + chunk.Height()}, row);
}

}  // namespace korvale
