#pragma once

// TLabel: text painted on the parent, sized to its text unless AutoSize is off.
#include "toolkit/Control.h"

namespace korvale {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);
  std::string ClassName() const override { return "TLabel"; }

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap);
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  void TextChanged() override;
  void FontChanged() override;

 private:
  void AdjustBounds();
  UINT DrawFlags() const;

  bool autoSize_ = true;
  bool transparent_ = false;
  bool wordWrap_ = false;
  TAlignment alignment_ = TAlignment::taLeftJustify;
};

}  // namespace korvale
