#pragma once

namespace korvale {

// Registers the skin store and skin data components and their published properties, so a
// form description can hold them. Safe to call more than once.
void RegisterSkinDataClasses();

}  // namespace korvale
