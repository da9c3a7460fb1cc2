#pragma once

// The dispatch that gives each control of a skinned window its skinner: by the control's
// class (a table of rows in a fixed order, the first match decides), by the skin's Skin3rd
// class-name mapping, and, for bare windows of system dialogs, by window class and style.
#include <windows.h>

#include "skin/controls/SkinnerHost.h"

namespace korvale {

class TComponent;
class TSkinData;

class TControlDispatch {
 public:
  TControlDispatch(TSkinnerHost& form, TSkinData& skin) : form_(form), skin_(skin) {}

  // Frees the skinners of destroyed windows, then skins every component the container owns,
  // in component order.
  void SkinComponents(TComponent& container);
  void SkinComponent(TComponent& ctl, TComponent& parent);
  // Skins the child windows of a window that is not a toolkit form.
  void SkinChildWindows(HWND window);
  void SkinChildWindow(HWND handle);

  TSkinnerHost& Form() { return form_; }
  TSkinData& Skin() { return skin_; }

 private:
  bool AlreadyServed(TComponent& ctl) const;
  bool AskHandler(TComponent& ctl, TComponent& parent, const std::string& className);

  TSkinnerHost& form_;
  TSkinData& skin_;
};

}  // namespace korvale
