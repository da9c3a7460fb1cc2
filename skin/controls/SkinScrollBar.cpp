#include "skin/controls/SkinScrollBar.h"

#include <algorithm>

#include "skin/controls/ScrollBarPaint.h"
#include "skin/data/SkinData.h"
#include "toolkit/WinControl.h"

namespace korvale {

namespace {

constexpr int kMaxWindowOffset = 10000;

int BarOfKind(int kind) { return kind == kHorzBar ? SB_HORZ : SB_VERT; }

PixelRect ToPixelRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT ToRect(const PixelRect& r) { return {r.left, r.top, r.right, r.bottom}; }

ScrollValues ReadScrollValues(HWND window, int bar) {
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(window, bar, &info)) return {};
  return {info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos, info.nTrackPos};
}

// The mouse button that acts as the left one.
int PrimaryButton() { return GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON; }

}  // namespace

TSkinScrollBar::~TSkinScrollBar() {
  *FAlive = false;
  if (FTracking && GetCapture() == FHandle) ReleaseCapture();
  // The bars go back to the control's own look once the hook is off.
  RestoreWindowProc();
  if (FState != kSkinnerWindowDestroyed) RedrawFrame();
}

void TSkinScrollBar::AttachScrollBars(TWinControl* control, TSkinData* skinData, bool ownTracking,
                                      TSkinnerHost* form, TCanvas* canvas) {
  Bind(form, skinData, canvas);
  FControl = control;
  FHandle = control->Handle();
  HookWindowProc(*control);
  (void)FForm->AddSkinner(this);
  FTracking = FInVScroll = FInHScroll = false;
  for (SCROLLINFO& info : FScrollInfo) info.cbSize = sizeof(SCROLLINFO);
  FBarMetrics[SB_HORZ].styleBit = WS_HSCROLL;
  FBarMetrics[SB_VERT].styleBit = WS_VSCROLL;
  FOwnTracking = ownTracking;
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TSkinScrollBar::SkinChanged() {
  TSkinControl::SkinChanged();
  RedrawFrame();
}

void TSkinScrollBar::RedrawFrame() {
  if (FHandle && IsWindow(FHandle)) RedrawWindow(FHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

bool TSkinScrollBar::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      CallDefault(message);
      return false;
    case WM_NCMOUSEMOVE:
      if (message.WParam == HTHSCROLL || message.WParam == HTVSCROLL) return false;
      break;
    case WM_NCLBUTTONDOWN:
      if (!FOwnTracking) return true;
      return !NCButtonDown(message);
    case WM_HSCROLL:
      OnScroll(message, kHorzBar, FInHScroll);
      return false;
    case WM_VSCROLL:
      OnScroll(message, kVertBar, FInVScroll);
      return false;
    default:
      break;
  }
  return TSkinControl::BeforeMessage(message);
}

void TSkinScrollBar::OnScroll(TMessage& message, int kind, bool& inScroll) {
  FPressedPart = PressedPartOfScrollCode(LOWORD(message.WParam), kind);
  inScroll = true;
  CallDefault(message);
  inScroll = false;
  PaintWindow(nullptr);
}

void TSkinScrollBar::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
      PaintWindow(nullptr);
      break;
    case WM_PRINT:
      PaintWindow(reinterpret_cast<HDC>(message.WParam));
      break;
    default:
      TSkinControl::AfterMessage(message);
      if (FState != kSkinnerWindowDestroyed && BarsChanged()) PaintWindow(nullptr);
      break;
  }
}

bool TSkinScrollBar::BarsChanged() const {
  if (!SkinHasScrollBars(*FSkinData)) return false;
  const DWORD style = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_STYLE)) & (WS_HSCROLL | WS_VSCROLL);
  if (style != FDrawnStyle) return true;
  for (const int bar : {SB_HORZ, SB_VERT})
    if ((style & FBarMetrics[bar].styleBit) && ReadScrollValues(FHandle, bar) != FDrawnValues[bar]) return true;
  return false;
}

void TSkinScrollBar::DrawSkin(HDC dc, const RECT& rect) {
  if (!SkinHasScrollBars(*FSkinData)) return;
  FStyle = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_STYLE));
  FExStyle = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_EXSTYLE));
  FDrawnStyle = FStyle & (WS_HSCROLL | WS_VSCROLL);
  for (const int bar : {SB_HORZ, SB_VERT}) FDrawnValues[bar] = ReadScrollValues(FHandle, bar);
  if (FInVScroll) FStyle |= WS_VSCROLL;
  if (FInHScroll) FStyle |= WS_HSCROLL;
  const bool horz = FStyle & WS_HSCROLL, vert = FStyle & WS_VSCROLL;
  if (!horz && !vert) return;
  if (rect.left > kMaxWindowOffset || rect.top > kMaxWindowOffset) return;
  LayoutBars(rect);
  if (horz && !IsRectEmpty(&FHorzRect)) DrawBar(dc, FHorzRect, true, kHorzBar);
  if (vert && !IsRectEmpty(&FVertRect)) DrawBar(dc, FVertRect, true, kVertBar);
  if (horz && vert && !IsRectEmpty(&FCornerRect)) FillFace(dc, FCornerRect);
}

void TSkinScrollBar::LayoutBars(const RECT& window) {
  RECT client{};
  GetClientRect(FHandle, &client);
  ScrollBarRects rects{ToPixelRect(FHorzRect), ToPixelRect(FVertRect), ToPixelRect(FCornerRect)};
  const int barSize = GetSystemMetrics(SM_CXHSCROLL);
  LayoutScrollBars({window.right - window.left, window.bottom - window.top, client.right, client.bottom, barSize,
                    GetSystemMetrics(SM_CXEDGE), (FStyle & WS_HSCROLL) != 0, (FStyle & WS_VSCROLL) != 0,
                    (FExStyle & WS_EX_LEFTSCROLLBAR) != 0},
                   rects);
  FHorzRect = ToRect(rects.horz);
  FVertRect = ToRect(rects.vert);
  FCornerRect = ToRect(rects.corner);
  FBarMetrics[SB_HORZ].buttonSize = FBarMetrics[SB_VERT].buttonSize = barSize;
}

void TSkinScrollBar::DrawBar(HDC dc, const RECT& barRect, bool drawThumb, int kind) {
  if (kind == kVertBar ? FInVScroll : FInHScroll) return;
  const int bar = BarOfKind(kind);
  if (drawThumb) UpdateThumb(barRect, kind);
  const ScrollBarMetrics& m = FBarMetrics[bar];
  const ThumbMetrics thumb{m.trackLength, m.thumbSize, m.thumbPosition};
  DrawScrollBar(dc, barRect, *FSkinData, kind, FPressedPart, GetSystemMetrics(SM_CXHSCROLL),
                drawThumb ? &thumb : nullptr);
}

void TSkinScrollBar::UpdateThumb(const RECT& barRect, int kind) {
  if (FTracking) return;
  const int bar = BarOfKind(kind);
  const int length = kind == kHorzBar ? barRect.right - barRect.left : barRect.bottom - barRect.top;
  const ScrollValues values = ReadScrollValues(FHandle, bar);
  const auto thumb = WindowBarThumb(values, length, GetSystemMetrics(SM_CXHSCROLL), kMinScrollThumb,
                                    GetSystemMetrics(SM_CXHTHUMB));
  if (!thumb) return;
  SCROLLINFO& info = FScrollInfo[bar];
  info.nMin = values.nMin;
  info.nMax = values.nMax;
  info.nPage = static_cast<UINT>(values.nPage);
  info.nPos = values.nPos;
  info.nTrackPos = values.nTrackPos;
  ScrollBarMetrics& m = FBarMetrics[bar];
  m.thumbSize = thumb->thumbSize;
  m.thumbPosition = thumb->thumbPosition;
  m.trackLength = thumb->trackLength;
}

int TSkinScrollBar::HitTest(int position, int bar) const { return ScrollHitTest(position, FBarMetrics[bar]); }

bool TSkinScrollBar::NCButtonDown(TMessage& message) {
  if (message.WParam != HTHSCROLL && message.WParam != HTVSCROLL) return false;
  POINT point{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  ScreenToClient(FHandle, &point);
  const bool horz = message.WParam == HTHSCROLL;
  const int part = horz ? HitTest(point.x, SB_HORZ) : HitTest(point.y, SB_VERT);
  if (part != SB_THUMBTRACK) return false;
  FPressedPart = horz ? kPressedHorzThumb : kPressedVertThumb;
  PaintWindow(nullptr);
  TrackThumb(horz ? SB_HORZ : SB_VERT, horz ? WM_HSCROLL : WM_VSCROLL);
  return true;
}

void TSkinScrollBar::TrackThumb(int bar, UINT scrollMessage) {
  // The loop dispatches every message of the thread; the skinner may go meanwhile (a skin
  // switched off), so it keeps what it needs to finish and checks that it is still alive.
  const std::shared_ptr<bool> alive = FAlive;
  const HWND window = FHandle;
  FTracking = true;
  POINT start{};
  GetCursorPos(&start);
  const int startThumb = FBarMetrics[bar].thumbPosition;
  int last = FScrollInfo[bar].nPos;
  // Capture brings the release wherever it happens, even outside the thread's windows.
  SetCapture(window);
  const auto finish = [&] {
    FTracking = false;
    if (GetCapture() == window) ReleaseCapture();
    SendMessageA(window, scrollMessage, MAKEWPARAM(SB_THUMBPOSITION, last), 0);
    PostMessageA(window, scrollMessage, SB_ENDSCROLL, 0);
  };
  while (FTracking) {
    MSG msg{};
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      // Capture taken by another window, or the button released unseen, end the drag as a
      // release would; otherwise sleep until the next message instead of spinning.
      if (GetCapture() != window || !(GetAsyncKeyState(PrimaryButton()) & 0x8000)) {
        finish();
        break;
      }
      WaitMessage();
      continue;
    }
    if (msg.message == WM_QUIT) {
      finish();
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) {
      finish();
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    if (!*alive) {
      if (GetCapture() == window) ReleaseCapture();
      return;
    }
    if (msg.message != WM_MOUSEMOVE && msg.message != WM_NCMOUSEMOVE) continue;
    SCROLLINFO& info = FScrollInfo[bar];
    const ScrollValues values{info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos, info.nTrackPos};
    const int moved = bar == SB_HORZ ? msg.pt.x - start.x : msg.pt.y - start.y;
    const DragResult drag = DragThumb(values, FBarMetrics[bar], startThumb, moved);
    if (drag.position == last) continue;
    info.fMask = SIF_POS;
    info.nPos = info.nTrackPos = drag.position;
    FBarMetrics[bar].thumbPosition = drag.thumbPosition;
    SetScrollInfo(window, bar, &info, FALSE);
    SendMessageA(window, scrollMessage, MAKEWPARAM(SB_THUMBTRACK, drag.position), 0);
    if (!*alive) return;
    last = drag.position;
  }
}

}  // namespace korvale
