#include "skin/forms/NCObject.h"

#include "skin/forms/WinSkinForm.h"

namespace korvale {

void TNCObject::MouseDown() {
  if (FForm->FHotSpot && FForm->FHotSpot != this) FForm->FHotSpot->MouseLeave();
  if (!FVisible) return;
  FForm->FHotSpot = this;
  FHotState = 2;
  Paint();
}

void TNCObject::MouseUp() {
  if (!FVisible) return;
  FHotState = 3;
  Paint();
}

void TNCObject::MouseEnter() {
  if (FForm->FHotSpot == this) return;
  if (FForm->FHotSpot) FForm->FHotSpot->MouseLeave();
  if (!FVisible) return;
  FForm->FHotSpot = this;
  FHotState = 3;
  Paint();
}

void TNCObject::MouseLeave() {
  if (!FVisible) return;
  FForm->FHotSpot = nullptr;
  FHotState = 1;
  Paint();
}

}  // namespace korvale
