#pragma once

// TButton: a push button on the system "BUTTON" class. Enter presses the default button
// (or the focused button), Esc the cancel button; ModalResult closes a modal form.
#include "toolkit/Form.h"
#include "toolkit/WinControl.h"

namespace korvale {

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);
  std::string ClassName() const override { return "TButton"; }

  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result) { modalResult_ = result; }
  void Click() override;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  bool IsActive() const;
  void UpdateDefaultStyle();

  bool default_ = false;
  bool cancel_ = false;
  TModalResult modalResult_ = mrNone;
};

// Whether Key is the "&" accelerator of Caption (case-insensitive).
bool IsAccel(WPARAM key, const std::string& caption);

}  // namespace korvale
