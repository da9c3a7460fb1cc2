#include "toolkit/Persistent.h"

#include "toolkit/Exception.h"

namespace korvale {

void TPersistent::Assign(const TPersistent* source) {
  if (source) {
    source->AssignTo(this);
    return;
  }
  throw Exception("Cannot assign a nil to a " + ClassName());
}

void TPersistent::AssignTo(TPersistent* destination) const {
  throw Exception("Cannot assign a " + ClassName() + " to a " + destination->ClassName());
}

}  // namespace korvale
