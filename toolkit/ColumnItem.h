#pragma once

// A titled column of a header control or of a list view: its text, width and alignment, kept
// in a collection whose owner puts every change into its window.
#include <string>

#include "toolkit/Collection.h"
#include "toolkit/Label.h"

namespace korvale {

// The owner of a column collection: told when a column's settings change.
class TColumnOwner {
 public:
  virtual void ColumnChanged(int index) = 0;

 protected:
  ~TColumnOwner() = default;
};

class TColumnItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  std::string ClassName() const override { return "TColumnItem"; }

  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  int Width() const { return width_; }
  void SetWidth(int width);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  // The text's alignment as the header control's format flags (HDF_LEFT, ...).
  int FormatFlags() const;
  // Takes a width the user gave the column in the window, without writing it back.
  void WidthFromWindow(int width) { width_ = width; }

 private:
  void Changed();

  std::string text_;
  int width_ = 50;
  TAlignment alignment_ = TAlignment::taLeftJustify;
};

// A header control's section ("Text" in form descriptions) and a list view's column
// ("Caption").
class THeaderSection : public TColumnItem {
 public:
  using TColumnItem::TColumnItem;
  std::string ClassName() const override { return "THeaderSection"; }
};

class TListColumn : public TColumnItem {
 public:
  using TColumnItem::TColumnItem;
  std::string ClassName() const override { return "TListColumn"; }
};

}  // namespace korvale
