#pragma once

namespace korvale {

// Registers the tray icon component and its published properties, so a form description
// can hold one. Safe to call more than once.
void RegisterTrayClasses();

}  // namespace korvale
