#pragma once

// TBitBtn: a push button that carries a glyph beside its caption. The glyph is drawn by
// the skin's bitmap-button painter; unskinned, the button shows its caption only.
#include "toolkit/Button.h"
#include "toolkit/ButtonGlyph.h"

namespace korvale {

class TBitBtn : public TButton {
 public:
  explicit TBitBtn(TComponent* owner);
  std::string ClassName() const override { return "TBitBtn"; }

  TButtonGlyph& Glyph() { return glyph_; }
  const TButtonGlyph& Glyph() const { return glyph_; }

 private:
  void GlyphChanged(TObject* sender);

  TButtonGlyph glyph_;
};

}  // namespace korvale
