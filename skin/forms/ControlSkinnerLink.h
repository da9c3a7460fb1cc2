#pragma once

// What the form skinner knows of the control skinners. The control skinners live in the
// layer above; they install a link here so the form skinner can have a window's controls
// skinned without including them.
#include <windows.h>

#include "toolkit/Component.h"

namespace korvale {

class TWinSkinForm;

// What the form skinner knows of a control skinner. A skinner is a component owned by its
// control.
class TControlSkinnerBase : public TComponent {
 public:
  using TComponent::TComponent;
  virtual void Unskin() = 0;
  virtual void SkinChanged() = 0;
  virtual HWND SkinnedHandle() const = 0;    // null for window-less controls
  virtual bool WindowDestroyed() const = 0;  // its window got WM_NCDESTROY
};

// Installed by the control skinners' layer; null when the program has none.
class TControlSkinningLink {
 public:
  virtual ~TControlSkinningLink() = default;
  virtual void SkinComponents(TWinSkinForm& form, TComponent& container) = 0;
  virtual void SkinChildWindows(TWinSkinForm& form, HWND window) = 0;
};

void SetControlSkinning(TControlSkinningLink* link);
TControlSkinningLink* ControlSkinning();

}  // namespace korvale
