#pragma once

// TWindowSubclass: one hook in front of a window's procedure, owned by this object. Every
// layer hooks existing windows through it (tray owner, form and control skinners, MDI
// client, menu windows), so hooks placed on one window in any order come off in any order
// and each puts back exactly what it replaced. The hook survives its window's destruction
// (it detaches itself on WM_NCDESTROY) and may be removed, or this object freed, from
// inside its own handler.
#include <windows.h>

#include "toolkit/Messages.h"

namespace korvale {

class TWindowSubclass {
 public:
  TWindowSubclass() = default;
  // Hooks Window at once; Attached() tells whether that worked.
  TWindowSubclass(HWND window, TWndMethod handler);
  ~TWindowSubclass();
  TWindowSubclass(const TWindowSubclass&) = delete;
  TWindowSubclass& operator=(const TWindowSubclass&) = delete;

  // Puts the hook in front of Window's procedure (removing any earlier one of this object).
  // The handler sees each message first; whatever it leaves unhandled it passes to
  // CallNext. False when the system refuses the hook.
  [[nodiscard]] bool Attach(HWND window, TWndMethod handler);
  // Takes the hook off; a no-op when not attached.
  void Remove();

  bool Attached() const;
  HWND Window() const;

  // Hands the message to the procedure this hook stands in front of and stores its result
  // in Message.Result. Only valid inside the handler, for the message being handled.
  void CallNext(TMessage& message);

 private:
  struct Link;
  static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                               UINT_PTR id, DWORD_PTR data);
  static void Detach(Link* link);

  Link* link_ = nullptr;
};

}  // namespace korvale
