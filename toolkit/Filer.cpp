#include "toolkit/Filer.h"

namespace korvale {

void TReadFiler::DefineBinaryProperty(const std::string& name, BinaryReader read, BinaryWriter, bool) {
  for (auto it = pending_.begin(); it != pending_.end(); ++it) {
    if ((*it)->name == name) {
      if (read) read((*it)->value.bytes);
      pending_.erase(it);
      return;
    }
  }
}

}  // namespace korvale
