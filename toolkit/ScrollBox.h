#pragma once

// TScrollBox: a container whose bars scroll its children when they reach past its client
// area. The range follows the children's extent whenever the box is sized or scrolled.
#include "toolkit/WinControl.h"

namespace korvale {

class TScrollBox : public TWinControl {
 public:
  explicit TScrollBox(TComponent* owner);
  std::string ClassName() const override { return "TScrollBox"; }

  // Sets both bars from the children's extent and the client size.
  void UpdateScrollRange();
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override { UpdateScrollRange(); }

 private:
  void Scroll(int bar, int code);

  int position_[2] = {0, 0};  // SB_HORZ, SB_VERT
};

}  // namespace korvale
