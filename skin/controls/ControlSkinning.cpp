#include "skin/controls/ControlSkinning.h"

#include "skin/forms/ControlSkinnerLink.h"

namespace korvale {

namespace {

// Chooses and attaches a skinner for each control. No control kind has a skinner yet, so
// every control keeps its native look.
class TControlSkinning final : public TControlSkinningLink {
 public:
  ~TControlSkinning() override {
    if (ControlSkinning() == this) SetControlSkinning(nullptr);
  }
  void SkinComponents(TWinSkinForm&, TComponent&) override {}
  void SkinChildWindows(TWinSkinForm&, HWND) override {}
};

}  // namespace

void RegisterControlSkinners() {
  static TControlSkinning skinning;
  SetControlSkinning(&skinning);
}

}  // namespace korvale
