#include "skin/controls/SkinListView.h"

#include <commctrl.h>

#include "skin/controls/SkinHeader.h"

namespace korvale {

void TSkinListView::AttachScrollBars(TWinControl* control, TSkinData* skinData, bool ownTracking,
                                     TSkinnerHost* form, TCanvas* canvas) {
  TSkinScrollBar::AttachScrollBars(control, skinData, ownTracking, form, canvas);
  HWND header = reinterpret_cast<HWND>(SendMessageA(FHandle, LVM_GETHEADER, 0, 0));
  if (header) (new TSkinHeader(Owner()))->AttachHandle(header, skinData, form, canvas);
}

}  // namespace korvale
