#pragma once

// Points a form's element field at the component its description created under that name.
#include <string>

#include "toolkit/Component.h"
#include "toolkit/Exception.h"

namespace korvale {

// A description that lacks the component is refused: the window cannot work without it.
template <typename T>
void BindField(TComponent& form, T*& field, const char* name) {
  field = dynamic_cast<T*>(form.FindComponent(name));
  if (!field) throw Exception(form.Name() + "'s description has no " + name);
}

}  // namespace korvale
