#pragma once

// TUpDown: the common-controls up-down button on its own, its arrows up and down or left and
// right; the position stays within Min..Max.
#include "toolkit/Event.h"
#include "toolkit/WinControl.h"

namespace korvale {

enum class TUDOrientation { udHorizontal, udVertical };

class TUpDown : public TWinControl {
 public:
  explicit TUpDown(TComponent* owner);
  std::string ClassName() const override { return "TUpDown"; }

  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetRange(int min, int max);
  int Position() const;
  void SetPosition(int position);
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation orientation);
  void WndProc(TMessage& message) override;

  // After the position changed by the arrows (mouse or keyboard).
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;
  void SaveHandleState() override;

 private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  TUDOrientation orientation_ = TUDOrientation::udVertical;
};

}  // namespace korvale
