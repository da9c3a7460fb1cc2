#pragma once

// The toolkit's message record, the window-procedure delegate and the toolkit's own
// messages.
#include <windows.h>

#include <cstdint>

#include "toolkit/Event.h"

namespace korvale {

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;

  WORD WParamLo() const { return LOWORD(WParam); }
  WORD WParamHi() const { return HIWORD(WParam); }
  short XPos() const { return static_cast<short>(LOWORD(LParam)); }
  short YPos() const { return static_cast<short>(HIWORD(LParam)); }
};

// A control's window procedure as a delegate: saved, compared and put back exactly by hooks.
using TWndMethod = TMethod<void, TMessage&>;

// Toolkit messages live in a block of the application range of their own: below the
// skin engine's WM_USER-based messages' reach (0x3401..0x3504 lies far under it) and clear
// of 0xB0D0, which other layers may give a meaning.
constexpr UINT CM_BASE = 0xA000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 2;
constexpr UINT CM_COLORCHANGED = CM_BASE + 3;
constexpr UINT CM_FONTCHANGED = CM_BASE + 4;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 5;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 6;
constexpr UINT CM_ENTER = CM_BASE + 7;
constexpr UINT CM_EXIT = CM_BASE + 8;
constexpr UINT CM_DIALOGKEY = CM_BASE + 9;
constexpr UINT CM_DIALOGCHAR = CM_BASE + 10;
constexpr UINT CM_MOUSEENTER = CM_BASE + 11;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 12;
constexpr UINT CM_MENUCHANGED = CM_BASE + 13;
constexpr UINT CM_RELEASE = CM_BASE + 14;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 15;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 16;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 17;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 18;

// Notifications a parent reflects to the child control they concern: CN_BASE + the
// original message number, with the original parameters.
constexpr UINT CN_BASE = 0xA400;
constexpr UINT CN_CHARTOITEM = CN_BASE + WM_CHARTOITEM;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;

static_assert(CN_CTLCOLORSTATIC < 0xB0D0 && CM_BASE > 0x3504, "toolkit range overlaps");

}  // namespace korvale
