#pragma once

// TTabSet: the old-style tab set, a row of tabs hanging from its top edge, of its own class.
// Tabs that do not fit are reached through its scroller, a horizontal up-down button that
// is the tab set's first owned component and shows only while tabs are out of sight.
#include <string>
#include <vector>

#include "core/FieldGeometry.h"
#include "toolkit/Event.h"
#include "toolkit/UpDown.h"
#include "toolkit/WinControl.h"

namespace korvale {

class TTabSet;

class TScroller : public TUpDown {
 public:
  explicit TScroller(TTabSet* tabSet);
  std::string ClassName() const override { return "TScroller"; }
};

class TTabSet : public TCustomControl {
 public:
  explicit TTabSet(TComponent* owner);
  std::string ClassName() const override { return "TTabSet"; }

  const std::vector<std::string>& Tabs() const { return tabs_; }
  void SetTabs(const std::vector<std::string>& tabs);
  // The selected tab, -1 for none.
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int index);
  // The first tab shown.
  int FirstIndex() const { return firstIndex_; }
  void SetFirstIndex(int index);
  int StartMargin() const { return startMargin_; }
  void SetStartMargin(int margin);
  int EndMargin() const { return endMargin_; }
  void SetEndMargin(int margin);
  TScroller* Scroller() const { return scroller_; }
  bool ScrollerShown() const;
  // The tabs shown now, in client coordinates, laid out with the tab set's font.
  std::vector<TabSetTab> VisibleTabs();
  void WndProc(TMessage& message) override;

  // After the selected tab changed by a click.
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;
  void Paint(TCanvas& canvas) override;
  void FontChanged() override;

 private:
  void ScrollerChange(TObject* sender);
  std::vector<int> TextWidths();
  // Shows the scroller while some tabs are out of sight and keeps it at the right end.
  void UpdateScroller();

  std::vector<std::string> tabs_;
  int tabIndex_ = -1;
  int firstIndex_ = 0;
  int startMargin_ = 5;
  int endMargin_ = 5;
  TScroller* scroller_ = nullptr;
};

}  // namespace korvale
