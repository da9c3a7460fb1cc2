#pragma once

// Form reading and writing over the published-property registry (toolkit/TypInfo.h).
//
// Reading a description into a root component (a form) creates each child object by class
// name with the root as owner, in read order, places it (a control in the enclosing windowed
// control, a menu item in its menu or item, a tab sheet in its page control), sets its
// properties while it is in the loading state, binds each event to the root class's handler
// of that name and hands binary values the class does not publish to its DefineProperties
// hook. References to other components resolve once every component exists. Loaded then
// runs on every component in read order; for a form, TForm::AfterConstruction does that,
// followed by OnCreate, so a form reads its description in its constructor.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/FormStream.h"
#include "toolkit/Component.h"
#include "toolkit/Filer.h"

namespace korvale {

// Each raises the toolkit's error with a message naming the class, component or property at
// fault (an unknown class or property, a value of the wrong kind, a corrupt stream).
void ReadComponent(TComponent* root, const FormObject& description);
void ReadComponentStream(TComponent* root, const std::uint8_t* data, std::size_t size);
// The compiled description carried as an RCDATA resource of the executable.
void ReadComponentResource(TComponent* root, const std::string& resourceName);

// The description of a root and the components it owns: stored (non-default) published
// properties, define-property values, and events by the name of the root class's handler
// they hold.
FormObject WriteComponent(TComponent* root);
std::vector<std::uint8_t> WriteComponentStream(TComponent* root);

}  // namespace korvale
