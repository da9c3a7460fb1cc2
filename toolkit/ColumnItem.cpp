#include "toolkit/ColumnItem.h"

#include <commctrl.h>

namespace korvale {

void TColumnItem::SetText(const std::string& text) {
  text_ = text;
  Changed();
}

void TColumnItem::SetWidth(int width) {
  width_ = width;
  Changed();
}

void TColumnItem::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Changed();
}

int TColumnItem::FormatFlags() const {
  switch (alignment_) {
    case TAlignment::taRightJustify: return HDF_RIGHT;
    case TAlignment::taCenter: return HDF_CENTER;
    case TAlignment::taLeftJustify: break;
  }
  return HDF_LEFT;
}

void TColumnItem::Changed() {
  if (auto* owner = dynamic_cast<TColumnOwner*>(Collection() ? Collection()->Owner() : nullptr))
    owner->ColumnChanged(Index());
}

}  // namespace korvale
