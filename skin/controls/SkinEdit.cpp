#include "skin/controls/SkinEdit.h"

#include <optional>

#include "core/AsciiText.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/SkinData.h"
#include "toolkit/GdiHandles.h"

namespace korvale {

namespace {

// The edit has no border when its client area is as large as its window.
bool Borderless(HWND edit, const RECT& rect, int slack) {
  RECT client{};
  GetClientRect(edit, &client);
  return client.right + slack >= rect.right - rect.left || client.bottom + slack >= rect.bottom - rect.top;
}

void FrameWith(HDC dc, const RECT& rect, COLORREF colour) {
  const UniqueBrush brush(CreateSolidBrush(colour));
  FrameRect(dc, &rect, brush.get());
}

}  // namespace

void TSkinEdit::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (!message.WParam) PaintWindow(nullptr);
      break;
    case WM_NCPAINT:
      // The system has just drawn its own border; ours goes over it.
      PaintWindow(nullptr);
      break;
    case WM_PRINT: {
      HDC dc = reinterpret_cast<HDC>(message.WParam);
      std::optional<WindowDC> own;
      if (!dc) dc = own.emplace(FHandle).get();
      if (!dc || !GetWindowRect(FHandle, &FWindowRect)) break;
      RECT rect = FWindowRect;
      OffsetRect(&rect, -rect.left, -rect.top);
      PrintBorder(dc, rect);
      break;
    }
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinEdit::FindUpDown() {
  for (HWND child = GetTopWindow(FHandle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    const std::string upper = AsciiUpper(name);
    if (upper != "MSCTLS_UPDOWN32" && upper != "TSPINBUTTON") continue;
    FUpDown = new TSkinUpDown(Owner());
    FUpDown->AttachHandle(child, FSkinData, FForm, FCanvas);
    FUpDown->FInEdit = true;
    return;
  }
}

void TSkinEdit::DrawSkin(HDC dc, const RECT& rect) {
  if (!FUpDown) FindUpDown();
  if (Borderless(FHandle, rect, 0)) return;
  FrameWith(dc, rect, ColorToRGB(FSkinData->ColorButtonShadow));
  RECT inner = rect;
  InflateRect(&inner, -1, -1);
  FrameWith(dc, inner, RGB(255, 255, 255));
}

void TSkinEdit::PrintBorder(HDC dc, const RECT& rect) {
  if (Borderless(FHandle, rect, 2)) return;
  RECT inner = rect;
  InflateRect(&inner, -1, -1);
  FrameRect(dc, &inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
  FrameWith(dc, rect, ColorToRGB(FSkinData->ColorButtonShadow));
}

}  // namespace korvale
