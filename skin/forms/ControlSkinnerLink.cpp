#include "skin/forms/ControlSkinnerLink.h"

namespace korvale {

namespace {

// Process-wide, like the manager it serves: one control skinning for all forms.
TControlSkinningLink* gControlSkinning = nullptr;

}  // namespace

void SetControlSkinning(TControlSkinningLink* link) { gControlSkinning = link; }

TControlSkinningLink* ControlSkinning() { return gControlSkinning; }

}  // namespace korvale
