#pragma once

namespace korvale::testing {

// The skinned main window in this process through skin switches, menu openings, supervision
// ticks and title-bar hover-and-press cycles; answers 0 when the object counts stayed flat.
int RunSkinSoak();

}  // namespace korvale::testing
