#pragma once

// What the form skinner knows of control skinners. Those live in the layer above this one,
// which makes itself known by installing a TControlSkinningLink, so the form skinner never
// includes a control skinner.
#include <windows.h>

#include "toolkit/Component.h"

namespace korvale {

class TWinSkinForm;

// A skinner is a component owned by its control; the form skinner keeps a list of them.
class TControlSkinnerBase : public TComponent {
 public:
  using TComponent::TComponent;
  virtual void Unskin() = 0;
  virtual void SkinChanged() = 0;
  // The hooked window; null for a control without one.
  virtual HWND SkinnedHandle() const = 0;
  // Whether the hooked window is gone, so the form skinner can drop the skinner.
  virtual bool WindowDestroyed() const = 0;
};

// How the form skinner has the controls of a form skinned.
class TControlSkinningLink {
 public:
  virtual ~TControlSkinningLink() = default;
  // Skins Container's toolkit controls, and those of its children, for Form.
  virtual void SkinComponents(TWinSkinForm& form, TComponent& container) = 0;
  // Skins the child windows of Window that no toolkit control owns.
  virtual void SkinChildWindows(TWinSkinForm& form, HWND window) = 0;
};

// Installed by the control skinning layer at start-up; null in a program without it.
void SetControlSkinning(TControlSkinningLink* link);
TControlSkinningLink* ControlSkinning();

}  // namespace korvale
