#pragma once

// The control skinning layer's entry: installs the link through which form skinners have
// their controls skinned.
namespace korvale {

// Makes control skinning available to every form skinner. Safe to call more than once;
// calling it also keeps this layer linked into a static build.
void RegisterControlSkinners();

}  // namespace korvale
