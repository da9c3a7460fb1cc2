#pragma once

// TToolBar: a strip of its own class that holds speed buttons and other controls. Flat
// and Transparent change only how the strip itself is drawn.
#include "toolkit/WinControl.h"

namespace korvale {

class TToolBar : public TCustomControl {
 public:
  explicit TToolBar(TComponent* owner);
  std::string ClassName() const override { return "TToolBar"; }

  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint(TCanvas& canvas) override;

 private:
  bool flat_ = false;
  bool transparent_ = false;
};

}  // namespace korvale
