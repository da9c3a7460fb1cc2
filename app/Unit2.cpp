#include "app/Unit2.h"

#include "toolkit/Bevel.h"
#include "toolkit/Button.h"
#include "toolkit/Edit.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"

namespace korvale {

TForm2* Form2 = nullptr;

TForm2::TForm2(TComponent* owner) : TForm(owner) { BuildAboutFormComponents(*this); }

namespace {

TLabel* MakeLabel(TForm2& form, const char* name, int left, int top, const char* caption) {
  auto* label = new TLabel(&form);
  label->SetName(name);
  label->SetBounds(left, top, label->Width(), label->Height());
  label->SetParent(&form);
  label->SetCaption(caption);
  return label;
}

}  // namespace

// Mirrors AboutForm.form until the dialog is read from its compiled description.
void BuildAboutFormComponents(TForm2& form) {
  form.SetName("Form2");
  form.SetBounds(514, 366, form.Width(), form.Height());
  form.SetBorderStyle(TFormBorderStyle::bsDialog);
  form.SetCaption("About Brix 2.2 RC2");
  form.SetClientSize(306, 313);
  form.Font().SetName("MS Sans Serif");
  form.Font().SetSize(8);
  form.SetPosition(TPosition::poDesigned);
  form.SetVisible(false);

  form.Bevel1 = new TBevel(&form);
  form.Bevel1->SetName("Bevel1");
  form.Bevel1->SetBounds(8, 8, 90, 134);
  form.Bevel1->SetParent(&form);
  form.Image1 = new TImage(&form);
  form.Image1->SetName("Image1");
  form.Image1->SetBounds(8, 8, 90, 134);
  form.Image1->SetParent(&form);
  form.Label1 = MakeLabel(form, "Label1", 104, 8, "Program Name: Korvale Server Manager");
  form.Label2 = MakeLabel(form, "Label2", 104, 32, "Program Version: 2.1 RC2");
  form.Label3 = MakeLabel(form, "Label3", 104, 56, "Written by the Korvale team");
  form.Label4 = MakeLabel(form, "Label4", 104, 80, "Contact Info:");
  form.Label5 = MakeLabel(form, "Label5", 120, 104, "The Korvale team");
  form.Label6 = MakeLabel(form, "Label6", 120, 128, "through your server community");
  form.Label7 = MakeLabel(form, "Label7", 8, 152, "Terms of Use/Disclaimer:");
  form.Memo1 = new TMemo(&form);
  form.Memo1->SetName("Memo1");
  form.Memo1->SetBounds(8, 168, 289, 105);
  form.Memo1->SetParent(&form);
  form.Memo1->SetReadOnly(true);
  form.Memo1->SetScrollBars(TScrollStyle::ssVertical);
  form.Memo1->SetTabOrder(0);
  form.Memo1->SetLines({"You use this program entirely at your own risk.",
                        "Neither the author nor the development group is",
                        "responsible for any damage to your system or for",
                        "any loss of data that may follow from its use.",
                        "If something does not work as it should, please",
                        "ask the author for help first, before you turn",
                        "to anyone else."});
  form.Button1 = new TButton(&form);
  form.Button1->SetName("Button1");
  form.Button1->SetBounds(112, 280, 75, 25);
  form.Button1->SetParent(&form);
  form.Button1->SetCaption("OK");
  form.Button1->SetDefault(true);
  form.Button1->SetModalResult(mrOk);
  form.Button1->SetTabOrder(1);
}

}  // namespace korvale
