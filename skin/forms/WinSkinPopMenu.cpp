#include "skin/forms/WinSkinPopMenu.h"

#include <algorithm>

#include "skin/data/SkinData.h"
#include "skin/forms/SkinManager.h"
#include "skin/paint/FramePaint.h"
#include "toolkit/Exception.h"
#include "toolkit/GdiHandles.h"

namespace korvale {

namespace {

constexpr int kFrame = 3;

bool ManagerActive() {
  TSkinManage* manager = SkinManager();
  return manager && manager->IsActive();
}

}  // namespace

void TWinSkinPopMenu::AttachPopup(HWND handle, TSkinData* skinData, HMENU menu) {
  FHandle = handle;
  FSkinData = skinData;
  FMenu = menu;
  (void)FWindowProc.Attach(handle, TWndMethod(this, &TWinSkinPopMenu::PopupWndProc));
}

void TWinSkinPopMenu::DetachPopup() {
  if (!FWindowProc.Attached()) return;
  FWindowProc.Remove();
  FBackground.SetSize(0, 0);
  if (FOwner && FOwner->PendingPopup() == this) FOwner->SetPending(nullptr);
}

void TWinSkinPopMenu::PopupWndProc(TMessage& message) {
  if (message.Msg == SM_ISSKINNED) {
    message.Result = 1;
    return;
  }
  if (!ManagerActive()) {
    FWindowProc.CallNext(message);
    return;
  }
  switch (message.Msg) {
    case WM_DESTROY:
      FWindowProc.CallNext(message);
      DetachPopup();
      return;
    case WM_NCPAINT:
      if (!ComposeBackground()) {
        FWindowProc.CallNext(message);
        return;
      }
      PaintPopupFrame();
      message.Result = 0;
      return;
    case WM_PAINT: {
      // The items read the composed background while they draw; a menu window that draws
      // its own border inside its client area gets the skinned frame over it again.
      const bool skinned = ComposeBackground();
      FWindowProc.CallNext(message);
      if (skinned) PaintPopupFrame();
      return;
    }
    case WM_PRINT:
      PrintPopup(message);
      return;
    default:
      FWindowProc.CallNext(message);
      return;
  }
}

bool TWinSkinPopMenu::ComposeBackground() {
  if (!FSkinData || FSkinData->SkinEmpty || !FSkinData->MenuBackground || FSkinData->MenuBackground->Image->Empty())
    return false;
  RECT window{};
  GetWindowRect(FHandle, &window);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  const TDataSkinObject& element = *FSkinData->MenuBackground;
  std::unique_ptr<TBitmap> composed = ComposeFrame(width, height, *element.Image, ElementMargins(element),
                                                   StripLayout::SideBySide, element.Tile != 0, 1, 1);
  if (!composed) return false;
  FBackground.Assign(*composed);
  // The window names its menu when asked; the first item drawn claims a window that does not.
  if (!FMenu) FMenu = reinterpret_cast<HMENU>(SendMessageA(FHandle, MN_GETHMENU, 0, 0));
  if (!FMenu && FOwner) FOwner->SetPending(this);
  return true;
}

POINT TWinSkinPopMenu::ClientOffset() const {
  POINT origin{0, 0};
  ClientToScreen(FHandle, &origin);
  RECT window{};
  GetWindowRect(FHandle, &window);
  return {origin.x - window.left, origin.y - window.top};
}

void TWinSkinPopMenu::PaintPopupFrame() {
  const WindowDC windowDC(FHandle);
  HDC dc = windowDC.get();
  if (!dc) return;
  const int width = FBackground.Width();
  const int height = FBackground.Height();
  HDC source = FBackground.MemoryDC();
  BitBlt(dc, 0, 0, width, kFrame, source, 0, 0, SRCCOPY);
  BitBlt(dc, 0, height - kFrame, width, kFrame, source, 0, height - kFrame, SRCCOPY);
  BitBlt(dc, 0, 0, kFrame, height, source, 0, 0, SRCCOPY);
  BitBlt(dc, width - kFrame, 0, kFrame, height, source, width - kFrame, 0, SRCCOPY);
}

void TWinSkinPopMenu::PrintPopup(TMessage& message) {
  const auto dc = reinterpret_cast<HDC>(message.WParam);
  if (!dc || !ComposeBackground()) {
    FWindowProc.CallNext(message);
    return;
  }
  const int width = FBackground.Width();
  const int height = FBackground.Height();
  BitBlt(dc, 0, 0, width, height, FBackground.MemoryDC(), 0, 0, SRCCOPY);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, kFrame, kFrame, width - kFrame, height - kFrame);
  FWindowProc.CallNext(message);
  RestoreDC(dc, saved);
  SetBkMode(dc, oldMode);
}

void TPopupMenuWindows::SkinPopupWindow(HWND window, TSkinData* skinData) {
  for (const auto& popup : FPopups)
    if (popup->Handle() == window) return;
  auto popup = std::make_unique<TWinSkinPopMenu>(this);
  popup->AttachPopup(window, skinData, nullptr);
  if (popup->Attached()) FPopups.push_back(std::move(popup));
}

void TPopupMenuWindows::ReleasePopupWindow(HWND window) {
  const auto it = std::find_if(FPopups.begin(), FPopups.end(),
                               [&](const auto& popup) { return popup->Handle() == window; });
  if (it == FPopups.end()) return;
  if (FPendingPopup == it->get()) FPendingPopup = nullptr;
  FPopups.erase(it);
}

const TWinSkinPopMenu* TPopupMenuWindows::PopupBackground(HMENU menu) const {
  for (const auto& popup : FPopups)
    if (popup->Menu() == menu && !popup->Background().Empty()) return popup.get();
  return nullptr;
}

void TPopupMenuWindows::ClaimPending(HMENU menu) {
  if (!FPendingPopup) return;
  FPendingPopup->SetMenu(menu);
  FPendingPopup = nullptr;
}

}  // namespace korvale
