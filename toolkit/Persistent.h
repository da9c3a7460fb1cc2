#pragma once

#include <string>

#include "toolkit/Object.h"

namespace korvale {

class TFiler;

// An object whose state can be copied from another of a compatible kind. A class that knows
// how to take another's state overrides Assign; one that knows how to give its own to
// another kind overrides AssignTo. Anything else is refused with the toolkit's error.
class TPersistent : public TObject {
 public:
  std::string ClassName() const override { return "TPersistent"; }
  virtual void Assign(const TPersistent* source);
  // The define-property hook: a class names here the values it stores in a form description
  // beside its published properties (binary data of its own format).
  virtual void DefineProperties(TFiler& filer) { (void)filer; }

 protected:
  virtual void AssignTo(TPersistent* destination) const;
};

}  // namespace korvale
