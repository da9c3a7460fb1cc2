#pragma once

// Move-only owners of GDI and USER handles: exactly one owner per object, freed on scope
// exit. get() borrows, release() gives the handle away; there is no implicit conversion.
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace korvale {

template <typename Handle, typename Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  [[nodiscard]] Handle release() { return std::exchange(handle_, nullptr); }
  void reset(Handle handle = nullptr) {
    Handle old = std::exchange(handle_, handle);
    if (old) Traits::Free(old);
  }

 private:
  Handle handle_ = nullptr;
};

struct GdiObjectTraits {
  static void Free(HGDIOBJ object) { DeleteObject(object); }
};
struct DCTraits {
  static void Free(HDC dc) { DeleteDC(dc); }
};
struct IconTraits {
  static void Free(HICON icon) { DestroyIcon(icon); }
};
struct MenuTraits {
  static void Free(HMENU menu) { DestroyMenu(menu); }
};
struct HookTraits {
  static void Free(HHOOK hook) { UnhookWindowsHookEx(hook); }
};
struct ImageListTraits {
  static void Free(HIMAGELIST list) { ImageList_Destroy(list); }
};

using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectTraits>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectTraits>;
using UniqueFont = UniqueHandle<HFONT, GdiObjectTraits>;
using UniquePen = UniqueHandle<HPEN, GdiObjectTraits>;
using UniqueRegion = UniqueHandle<HRGN, GdiObjectTraits>;
using UniqueDC = UniqueHandle<HDC, DCTraits>;  // a DC made by CreateCompatibleDC/CreateDC
using UniqueIcon = UniqueHandle<HICON, IconTraits>;
using UniqueMenu = UniqueHandle<HMENU, MenuTraits>;
using UniqueHook = UniqueHandle<HHOOK, HookTraits>;  // a SetWindowsHookEx hook
using UniqueImageList = UniqueHandle<HIMAGELIST, ImageListTraits>;

// A DC borrowed from a window and released on scope exit: the client area's (GetDC) or the
// whole window's, frame included (GetWindowDC, or GetDCEx with DCX_WINDOW and other flags).
class BorrowedDC {
 public:
  BorrowedDC(const BorrowedDC&) = delete;
  BorrowedDC& operator=(const BorrowedDC&) = delete;
  ~BorrowedDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 protected:
  BorrowedDC(HWND window, HDC dc) : window_(window), dc_(dc) {}

 private:
  HWND window_;
  HDC dc_;
};

class ClientDC : public BorrowedDC {
 public:
  explicit ClientDC(HWND window) : BorrowedDC(window, GetDC(window)) {}
};

class WindowDC : public BorrowedDC {
 public:
  explicit WindowDC(HWND window) : BorrowedDC(window, GetWindowDC(window)) {}
  // GetDCEx with Flags holding DCX_WINDOW; with DCX_INTERSECTRGN or DCX_EXCLUDERGN the
  // system takes Clip over and deletes it itself.
  WindowDC(HWND window, HRGN clip, DWORD flags)
      : BorrowedDC(window, GetDCEx(window, clip, flags)) {}
};

// Selects an object into a DC and puts the previous one back on scope exit.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectGuard() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// SaveDC/RestoreDC around a block.
class SavedDC {
 public:
  explicit SavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDC() {
    if (saved_) RestoreDC(dc_, saved_);
  }
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// Keeps a DC's clip region across a block (SelectClipRgn, ExcludeClipRect, IntersectClipRect
// inside it) and puts back exactly the one it found, or none.
class ClipGuard {
 public:
  explicit ClipGuard(HDC dc) : dc_(dc), saved_(CreateRectRgn(0, 0, 0, 0)) {
    if (saved_ && GetClipRgn(dc, saved_.get()) != 1) saved_.reset();
  }
  ~ClipGuard() { SelectClipRgn(dc_, saved_.get()); }
  ClipGuard(const ClipGuard&) = delete;
  ClipGuard& operator=(const ClipGuard&) = delete;

 private:
  HDC dc_;
  UniqueRegion saved_;
};

// BeginPaint/EndPaint around a paint handler.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
  ~PaintScope() { EndPaint(window_, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC get() const { return dc_; }
  const PAINTSTRUCT& Info() const { return ps_; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_ = nullptr;
};

}  // namespace korvale
