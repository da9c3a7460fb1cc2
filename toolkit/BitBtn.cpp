#include "toolkit/BitBtn.h"

namespace korvale {

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {
  glyph_.Glyph.OnChange = TNotifyEvent(this, &TBitBtn::GlyphChanged);
}

void TBitBtn::GlyphChanged(TObject*) { Invalidate(); }

}  // namespace korvale
