#include "skin/controls/SkinHeader.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "core/ButtonStates.h"
#include "skin/controls/ButtonFacePaint.h"
#include "skin/data/SkinData.h"
#include "skin/paint/CaptionPaint.h"
#include "skin/paint/FramePaint.h"
#include "skin/paint/WorkBitmap.h"

namespace korvale {

namespace {

constexpr int kItemText = 200;

int CaptionAlignment(int format) {
  if (format & HDF_RIGHT) return 2;
  if (format & HDF_CENTER) return 1;
  return 0;
}

// The section at a client point, when the point is on the section itself (not a divider).
int SectionAt(HWND header, LPARAM point) {
  HDHITTESTINFO hit{};
  hit.pt = {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
  const auto index = static_cast<int>(SendMessageA(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return hit.flags == HHT_ONHEADER ? index : -1;
}

}  // namespace

bool TSkinHeader::BeforeMessage(TMessage& message) {
  if (message.Msg == WM_ERASEBKGND && FSkinData->Headerbar && FSkinData->Headerbar->HasImage()) {
    message.Result = 1;
    return false;
  }
  return TSkinControl::BeforeMessage(message);
}

void TSkinHeader::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      FollowPointer(message);
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinHeader::FollowPointer(const TMessage& message) {
  const int hot = FHotItem, pressed = FPressedItem;
  // Only sections that are buttons have a hot and a pressed look, as with the native header.
  const bool buttons = (GetWindowLongA(FHandle, GWL_STYLE) & HDS_BUTTONS) != 0;
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      FHotItem = buttons ? SectionAt(FHandle, message.LParam) : -1;
      if (FHotItem >= 0) {
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, FHandle, 0};
        TrackMouseEvent(&leave);
      }
      break;
    case WM_MOUSELEAVE:
      FHotItem = -1;
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      FHotItem = buttons ? SectionAt(FHandle, message.LParam) : -1;
      FPressedItem = FHotItem;
      break;
    default:
      FPressedItem = -1;
      break;
  }
  if (FHotItem != hot || FPressedItem != pressed) PaintWindow(nullptr);
}

int TSkinHeader::SectionFrame(int index) const {
  // A held section looks pressed only while the pointer is on it, hot otherwise.
  ButtonLook look;
  look.hot = index == FHotItem;
  look.pressed = look.hot && index == FPressedItem;
  const int frame = PushButtonFrame(look);
  return frame <= FSkinData->Headerbar->FrameCount ? frame : kFrameNormal;
}

void TSkinHeader::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinObject* bar = FSkinData->Headerbar.get();
  if (!bar || !bar->HasImage()) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  TBitmap& work = WorkBitmap(width, height);
  HDC buffer = work.MemoryDC();
  FillFace(buffer, RECT{0, 0, width, height});
  TCanvas& canvas = work.Canvas();
  TakeWindowFont(canvas, FHandle);
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(FHandle, HDM_GETIMAGELIST, 0, 0));
  const int count = static_cast<int>(SendMessageA(FHandle, HDM_GETITEMCOUNT, 0, 0));
  int right = 0;
  for (int i = 0; i < count; ++i) {
    RECT place{};
    if (!SendMessageA(FHandle, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&place))) continue;
    char text[kItemText + 1] = {};
    HDITEMA item{};
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
    item.pszText = text;
    item.cchTextMax = kItemText + 1;
    SendMessageA(FHandle, HDM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    DrawSkinFrame(buffer, place, *bar, bar->FrameCount, SectionFrame(i));
    if (text[0]) {
      const int image = (item.fmt & (HDF_IMAGE | HDF_OWNERDRAW)) ? item.iImage : -1;
      DrawIconCaption(canvas, place, CaptionAlignment(item.fmt), text, image, images, FEnabled);
    }
    right = std::max<int>(right, place.right);
  }
  if (right < width) DrawSkinFrame(buffer, RECT{right, 0, width, height}, *bar, bar->FrameCount, kFrameNormal);
  BitBlt(dc, rect.left, rect.top, width, height, buffer, 0, 0, SRCCOPY);
}

}  // namespace korvale
