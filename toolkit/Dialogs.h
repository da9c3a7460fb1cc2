#pragma once

// The plain message dialog: a modal toolkit form of window class "TMessageForm" with the
// application title as caption, the text and an OK button.
#include <string>

#include "toolkit/Form.h"

namespace korvale {

class TLabel;
class TButton;

class TMessageForm : public TForm {
 public:
  TMessageForm(TComponent* owner, const std::string& text);
  std::string ClassName() const override { return "TMessageForm"; }
  TLabel* Message() const { return message_; }
  TButton* OkButton() const { return ok_; }

 private:
  TLabel* message_ = nullptr;
  TButton* ok_ = nullptr;
};

void ShowMessage(const std::string& text);
// The number in decimal.
void ShowMessage(long long number);

}  // namespace korvale
