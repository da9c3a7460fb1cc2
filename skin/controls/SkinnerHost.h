#pragma once

// What a control skinner needs of the form skinner that lists it: the list operations, the
// hot push button and the scratch canvas. The form skinner answers through an adapter;
// tests answer with a list of their own.
#include <windows.h>

#include <string>
#include <vector>

#include "skin/forms/ControlSkinnerLink.h"

namespace korvale {

class TCanvas;

class TSkinnerHost {
 public:
  virtual ~TSkinnerHost() = default;
  // Appends the skinner unless listed; answers whether it was listed already.
  virtual bool AddSkinner(TControlSkinnerBase* skinner) = 0;
  virtual void RemoveSkinner(TControlSkinnerBase* skinner) = 0;
  // Frees every skinner whose window was destroyed.
  virtual void PurgeDestroyed() = 0;
  virtual TControlSkinnerBase* FindSkinner(HWND window) const = 0;
  virtual const std::vector<TControlSkinnerBase*>& Skinners() const = 0;
  // The one push button that shows the hot look, or null.
  virtual TControlSkinnerBase* HotButton() const = 0;
  virtual void SetHotButton(TControlSkinnerBase* skinner) = 0;
  virtual TCanvas* ControlCanvas() = 0;
  // The form skinner itself: owner of the skinners of bare windows, sender of OnSkinControl.
  virtual TComponent* FormObject() = 0;
  // The Name of the skinned toolkit form in lower case ("" for other windows).
  virtual std::string FormName() const = 0;
};

}  // namespace korvale
