#include "skin/controls/SkinTrackBar.h"

#include <commctrl.h>

#include "skin/data/SkinData.h"
#include "skin/paint/FramePaint.h"
#include "toolkit/Bitmap.h"
#include "toolkit/GdiHandles.h"

namespace korvale {

namespace {
constexpr int kThumbFrames = 5;
constexpr int kThumbFrame = 2;

const TBitmap* ImageOf(const TDataSkinObject* element) {
  return element && element->Image && !element->Image->Empty() ? element->Image.get() : nullptr;
}
}  // namespace

bool TSkinTrackBar::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;
      return false;
    case WM_NOTIFY:
    case CN_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
      if (!header || header->code != static_cast<UINT>(NM_CUSTOMDRAW)) break;
      message.Result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(message.LParam));
      return false;
    }
    default:
      break;
  }
  return TSkinControl::BeforeMessage(message);
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& draw) {
  if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.dwDrawStage != CDDS_ITEMPREPAINT || draw.dwItemSpec != TBCD_THUMB) return CDRF_DODEFAULT;
  DrawThumb(draw.hdc);
  return CDRF_SKIPDEFAULT;
}

void TSkinTrackBar::DrawThumb(HDC dc) {
  RECT thumb{};
  SendMessageA(FHandle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  const TBitmap* image = nullptr;
  if (GetWindowLongA(FHandle, GWL_STYLE) & TBS_VERT) image = ImageOf(FSkinData->TrackbarThumbVert.get());
  if (!image) image = ImageOf(FSkinData->TrackbarThumbHorz.get());
  if (image) {
    StretchFrame(dc, thumb, *image, true, kThumbFrames, kThumbFrame);
    return;
  }
  const UniqueBrush brush(CreateSolidBrush(ColorToRGB(FSkinData->ColorButtonShadow)));
  FrameRect(dc, &thumb, brush.get());
}

}  // namespace korvale
