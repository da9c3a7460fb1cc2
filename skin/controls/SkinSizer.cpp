#include "skin/controls/SkinSizer.h"

#include "skin/data/SkinData.h"
#include "toolkit/GdiHandles.h"

namespace korvale {

bool TSkinSizer::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintHandler(message);
      return false;
    case WM_ERASEBKGND:
      message.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinSizer::DrawSkin(HDC dc, const RECT& rect) {
  const UniqueBrush shadow(CreateSolidBrush(ColorToRGB(FSkinData->ColorButtonShadow)));
  FrameRect(dc, &rect, shadow.get());
}

}  // namespace korvale
