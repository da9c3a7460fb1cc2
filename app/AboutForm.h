#pragma once

// TForm2: the About dialog, created hidden at start and shown modally from the Help menu.
#include "toolkit/Form.h"

namespace korvale {

class TBevel;
class TButton;
class TImage;
class TLabel;
class TMemo;

class TForm2 : public TForm {
 public:
  explicit TForm2(TComponent* owner);
  std::string ClassName() const override { return "TForm2"; }

  TBevel* Bevel1 = nullptr;
  TImage* Image1 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TLabel* Label5 = nullptr;
  TLabel* Label6 = nullptr;
  TLabel* Label7 = nullptr;
  TMemo* Memo1 = nullptr;
  TButton* Button1 = nullptr;
};

}  // namespace korvale
