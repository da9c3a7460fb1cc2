#pragma once

// TProgressBar: the common-controls progress bar, its position kept within Min..Max.
#include "toolkit/WinControl.h"

namespace korvale {

class TProgressBar : public TWinControl {
 public:
  explicit TProgressBar(TComponent* owner);
  std::string ClassName() const override { return "TProgressBar"; }

  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetRange(int min, int max);
  int Position() const { return position_; }
  void SetPosition(int position);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;

 private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

}  // namespace korvale
