#pragma once

// Keyboard and pointer tracking of a skinned menu bar's drop-down. While TrackPopupMenu runs
// its own loop, a message-filter hook watches the loop's input: the arrow keys and the
// pointer move to the neighbouring bar buttons, Alt ends the tracking. Switching closes the
// open drop-down and the form opens the next one when TrackPopupMenu has returned, so drop-
// downs never nest. One menu bar is tracked at a time in the process.
#include <windows.h>

#include "toolkit/GdiHandles.h"

namespace korvale {

class TMenuItem;
class TWinSkinForm;

struct TMenuTrackingState {
  TWinSkinForm* TrackingForm = nullptr;
  int TrackingIndex = -1;
  TMenuItem* TrackingItem = nullptr;
  UniqueHook FilterHook;
  POINT LastCursor{};
  bool FirstKeyPosted = false;
  bool Switching = false;
  // The bar button to open once the drop-down has closed, or -1.
  int SwitchTo = -1;
};

// The tracking state of the process.
TMenuTrackingState& MenuTracking();

void InstallMenuFilter();
void RemoveMenuFilter();
LRESULT CALLBACK MenuFilterProc(int code, WPARAM wParam, LPARAM lParam);
// WM_MENUSELECT reaching the tracking form: it is sent to the window, never through the
// filter hook.
void TrackMenuSelect(WPARAM wParam, LPARAM lParam);

}  // namespace korvale
