#include "skin/controls/SkinBox.h"

#include "skin/data/SkinData.h"
#include "toolkit/WinControl.h"

namespace korvale {

void TSkinBox::Attach(TSkinnerHost* form, TSkinData* skinData, bool recolor, TCanvas* canvas) {
  auto* control = dynamic_cast<TWinControl*>(Owner());
  if (!control) return;
  FRecolor = recolor;
  Bind(form, skinData, canvas);
  FControl = control;
  FHandle = control->Handle();
  (void)FForm->AddSkinner(this);
  if (!FRecolor) return;
  FOldColor = control->Color();
  control->SetColor(FSkinData->ColorButtonFace);
}

void TSkinBox::Unskin() {
  TSkinControl::Unskin();
  FState = kSkinnerUnskinned;
}

}  // namespace korvale
