#pragma once

// TTrackBar: a slider on the common-controls track bar with tick marks below (or right).
// Position is kept within Min..Max; OnChange runs only when the position really changes,
// whether by the user or by code.
#include "toolkit/WinControl.h"

namespace korvale {

enum class TTrackBarOrientation { trHorizontal, trVertical };

class TTrackBar : public TWinControl {
 public:
  explicit TTrackBar(TComponent* owner);
  std::string ClassName() const override { return "TTrackBar"; }

  int Min() const { return min_; }
  void SetMin(int value) { SetRange(value, max_ < value ? value : max_); }
  int Max() const { return max_; }
  void SetMax(int value) { SetRange(min_ > value ? value : min_, value); }
  void SetRange(int min, int max);
  int Position() const { return position_; }
  void SetPosition(int position);
  int Frequency() const { return frequency_; }
  void SetFrequency(int frequency);
  int LineSize() const { return lineSize_; }
  void SetLineSize(int size);
  int PageSize() const { return pageSize_; }
  void SetPageSize(int size);
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation orientation);
  void WndProc(TMessage& message) override;

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;

 private:
  void PositionFromWindow();

  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  int frequency_ = 1;
  int lineSize_ = 1;
  int pageSize_ = 2;
  TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
};

}  // namespace korvale
