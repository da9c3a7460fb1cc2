#include "app/AboutForm.h"

#include "app/FormFields.h"
#include "toolkit/Bevel.h"
#include "toolkit/Button.h"
#include "toolkit/Edit.h"
#include "toolkit/FormReader.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/TypInfo.h"

namespace korvale {

TForm2::TForm2(TComponent* owner) : TForm(owner) {
  static const bool registered = (RegisterPublishedClass<TForm2>("TForm2", "TForm"), true);
  (void)registered;
  ReadComponentResource(this, "TFORM2");
  BindField(*this, Bevel1, "Bevel1");
  BindField(*this, Image1, "Image1");
  BindField(*this, Label1, "Label1");
  BindField(*this, Label2, "Label2");
  BindField(*this, Label3, "Label3");
  BindField(*this, Label4, "Label4");
  BindField(*this, Label5, "Label5");
  BindField(*this, Label6, "Label6");
  BindField(*this, Label7, "Label7");
  BindField(*this, Memo1, "Memo1");
  BindField(*this, Button1, "Button1");
}

}  // namespace korvale
