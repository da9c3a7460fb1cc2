#pragma once

// TScrollBar: the system scroll-bar control as a control of its own. The bar does not move
// by itself: its scroll notifications come back reflected (CN_HSCROLL, CN_VSCROLL) and move
// Position by a line, a page or to the thumb; OnChange runs when Position really changes.
#include "toolkit/WinControl.h"

namespace korvale {

enum class TScrollBarKind { sbHorizontal, sbVertical };

class TScrollBar : public TWinControl {
 public:
  explicit TScrollBar(TComponent* owner);
  std::string ClassName() const override { return "TScrollBar"; }

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind kind);
  int Min() const { return min_; }
  int Max() const { return max_; }
  // Position is kept within Min .. Max - PageSize + 1 once a page is set.
  void SetParams(int position, int min, int max);
  int PageSize() const { return pageSize_; }
  void SetPageSize(int size);
  int Position() const { return position_; }
  void SetPosition(int position) { SetParams(position, min_, max_); }
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int change) { smallChange_ = change; }
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int change) { largeChange_ = change; }
  void WndProc(TMessage& message) override;

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;

 private:
  void UpdateBar();
  void Scroll(int code, int thumbPosition);

  TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
  int min_ = 0;
  int max_ = 100;
  int pageSize_ = 0;
  int position_ = 0;
  int smallChange_ = 1;
  int largeChange_ = 1;
};

}  // namespace korvale
