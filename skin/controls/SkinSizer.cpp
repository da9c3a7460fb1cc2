#include "skin/controls/SkinSizer.h"

#include "skin/data/SkinData.h"
#include "toolkit/GdiHandles.h"

namespace korvale {

bool TSkinSizer::BeforeMessage(TMessage& message) {
  return !PaintWholeControl(message) && TSkinControl::BeforeMessage(message);
}

void TSkinSizer::DrawSkin(HDC dc, const RECT& rect) {
  const UniqueBrush shadow(CreateSolidBrush(ColorToRGB(FSkinData->ColorButtonShadow)));
  FrameRect(dc, &rect, shadow.get());
}

}  // namespace korvale
