#pragma once

// TScreen: the forms in the order they are created, the active form, the pointer and the
// system's menu font.
#include <windows.h>

#include <vector>

#include "toolkit/Component.h"
#include "toolkit/Graphics.h"

namespace korvale {

class TForm;

class TScreen : public TComponent {
 public:
  TScreen();
  std::string ClassName() const override { return "TScreen"; }

  int FormCount() const { return static_cast<int>(forms_.size()); }
  TForm* Forms(int index) const { return forms_[index]; }
  TForm* ActiveForm() const { return activeForm_; }
  POINT CursorPos() const;
  void SetCursorPos(POINT point);
  TFont& MenuFont() { return menuFont_; }
  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }

  void AddForm(TForm* form);
  void RemoveForm(TForm* form);
  void SetActiveForm(TForm* form) { activeForm_ = form; }

 private:
  std::vector<TForm*> forms_;
  TForm* activeForm_ = nullptr;
  TFont menuFont_;
};

TScreen& Screen();

}  // namespace korvale
