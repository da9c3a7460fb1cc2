#include "skin/forms/ControlSkinnerLink.h"

namespace korvale {

namespace {
TControlSkinningLink* gControlSkinning = nullptr;
}  // namespace

void SetControlSkinning(TControlSkinningLink* link) { gControlSkinning = link; }
TControlSkinningLink* ControlSkinning() { return gControlSkinning; }

}  // namespace korvale
