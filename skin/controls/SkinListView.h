#pragma once

// The list view skinner: the window scroll bars as any scrolling control has them, and the
// list view's own header skinned beside them.
#include "skin/controls/SkinScrollBar.h"

namespace korvale {

class TSkinListView : public TSkinScrollBar {
 public:
  using TSkinScrollBar::TSkinScrollBar;
  std::string ClassName() const override { return "TSkinListView"; }

  // The bars, then a header skinner for the header window when the list view has one. The
  // header skinner is owned by the list view and listed with the form on its own.
  void AttachScrollBars(TWinControl* control, TSkinData* skinData, bool ownTracking, TSkinnerHost* form,
                        TCanvas* canvas) override;
};

}  // namespace korvale
