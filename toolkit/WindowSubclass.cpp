#include "toolkit/WindowSubclass.h"

#include <commctrl.h>

#include <utility>

#include "toolkit/Exception.h"

namespace korvale {

// The hook's entry in the window's chain, apart from its owner: a handler may remove the
// hook or free the owner while its own dispatch still runs, so the entry lives until the
// outermost dispatch through it returns. The entry's address is the subclass id, which
// keeps hooks of one procedure on one window apart.
struct TWindowSubclass::Link {
  HWND window = nullptr;
  TWindowSubclass* owner = nullptr;  // null once the owner has let go
  TWndMethod handler;
  int depth = 0;               // dispatches through this entry on the stack
  bool* forwarded = nullptr;   // whether the innermost dispatch has called the next procedure
  bool hooked = false;         // still in the window's chain
  bool removing = false;       // taken off when the outermost dispatch returns
};

TWindowSubclass::TWindowSubclass(HWND window, TWndMethod handler) {
  (void)Attach(window, handler);
}

TWindowSubclass::~TWindowSubclass() {
  if (!link_) return;
  Link* link = std::exchange(link_, nullptr);
  link->owner = nullptr;
  link->removing = true;
  if (link->depth == 0) Detach(link);
}

bool TWindowSubclass::Attach(HWND window, TWndMethod handler) {
  Remove();
  if (link_) {  // removed inside its own dispatch: that entry goes on its own
    link_->owner = nullptr;
    link_ = nullptr;
  }
  auto* link = new Link{window, this, handler};
  const auto id = reinterpret_cast<UINT_PTR>(link);
  if (!window || !SetWindowSubclass(window, &Proc, id, reinterpret_cast<DWORD_PTR>(link))) {
    delete link;
    return false;
  }
  link->hooked = true;
  link_ = link;
  return true;
}

void TWindowSubclass::Remove() {
  if (!link_) return;
  link_->removing = true;
  if (link_->depth == 0) Detach(link_);
}

bool TWindowSubclass::Attached() const { return link_ && link_->hooked && !link_->removing; }

HWND TWindowSubclass::Window() const { return Attached() ? link_->window : nullptr; }

void TWindowSubclass::CallNext(TMessage& message) {
  if (!link_ || !link_->forwarded) return;
  *link_->forwarded = true;
  message.Result = link_->hooked ? DefSubclassProc(link_->window, message.Msg, message.WParam,
                                                   message.LParam)
                                 : 0;
}

void TWindowSubclass::Detach(Link* link) {
  if (link->hooked)
    RemoveWindowSubclass(link->window, &Proc, reinterpret_cast<UINT_PTR>(link));
  if (link->owner) link->owner->link_ = nullptr;
  delete link;
}

LRESULT CALLBACK TWindowSubclass::Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR data) {
  auto* link = reinterpret_cast<Link*>(data);
  TMessage message{msg, wParam, lParam, 0};
  bool forwarded = false;
  bool* const outer = std::exchange(link->forwarded, &forwarded);
  ++link->depth;
  if (link->owner && !link->removing) {
    GuardCallback([&] { link->handler(message); });
  } else {
    forwarded = true;
    message.Result = DefSubclassProc(window, msg, wParam, lParam);
  }
  if (msg == WM_NCDESTROY && link->hooked) {
    // The window's own procedure always hears of its end; the hook comes off while the
    // window still exists, however deep this dispatch is nested.
    if (!forwarded) message.Result = DefSubclassProc(window, msg, wParam, lParam);
    RemoveWindowSubclass(window, &Proc, id);
    link->hooked = false;
  }
  --link->depth;
  link->forwarded = outer;
  if (link->depth == 0 && (link->removing || !link->hooked)) Detach(link);
  return message.Result;
}

}  // namespace korvale
