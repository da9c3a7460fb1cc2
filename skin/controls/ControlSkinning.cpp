#include "skin/controls/ControlSkinning.h"

#include "core/AsciiText.h"
#include "skin/controls/ControlDispatch.h"
#include "skin/data/SkinData.h"
#include "skin/forms/ControlSkinnerLink.h"
#include "skin/forms/WinSkinForm.h"
#include "toolkit/Form.h"

namespace korvale {

namespace {

// The form skinner as its control skinners see it. A component of the form skinner, so it
// lives exactly as long as the list it stands for.
class TFormSkinnerHost final : public TComponent, public TSkinnerHost {
 public:
  explicit TFormSkinnerHost(TWinSkinForm& form) : TComponent(&form), form_(form) {}
  std::string ClassName() const override { return "TFormSkinnerHost"; }

  bool AddSkinner(TControlSkinnerBase* skinner) override { return form_.AddSkinner(skinner); }
  void RemoveSkinner(TControlSkinnerBase* skinner) override { form_.RemoveSkinner(skinner); }
  void PurgeDestroyed() override { form_.PurgeDestroyed(); }
  TControlSkinnerBase* FindSkinner(HWND window) const override { return form_.FindSkinner(window); }
  const std::vector<TControlSkinnerBase*>& Skinners() const override { return form_.SkinnedControls; }
  TControlSkinnerBase* HotButton() const override { return form_.HotButton; }
  void SetHotButton(TControlSkinnerBase* skinner) override { form_.HotButton = skinner; }
  TCanvas* ControlCanvas() override { return form_.FControlCanvas.get(); }
  TComponent* FormObject() override { return &form_; }
  std::string FormName() const override { return form_.VclForm() ? AsciiLower(form_.VclForm()->Name()) : ""; }

 private:
  TWinSkinForm& form_;
};

TSkinnerHost& HostOf(TWinSkinForm& form) {
  for (TComponent* component : form.Components())
    if (auto* host = dynamic_cast<TFormSkinnerHost*>(component)) return *host;
  return *new TFormSkinnerHost(form);
}

// Chooses and attaches a skinner for each control of a skinned window.
class TControlSkinning final : public TControlSkinningLink {
 public:
  ~TControlSkinning() override {
    if (ControlSkinning() == this) SetControlSkinning(nullptr);
  }
  void SkinComponents(TWinSkinForm& form, TComponent& container) override {
    if (TSkinData* skin = form.SkinData()) TControlDispatch(HostOf(form), *skin).SkinComponents(container);
  }
  void SkinChildWindows(TWinSkinForm& form, HWND window) override {
    if (TSkinData* skin = form.SkinData()) TControlDispatch(HostOf(form), *skin).SkinChildWindows(window);
  }
};

}  // namespace

void RegisterControlSkinners() {
  static TControlSkinning skinning;
  SetControlSkinning(&skinning);
}

}  // namespace korvale
