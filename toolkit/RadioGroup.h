#pragma once

// TRadioGroup: a group box that makes one radio button per item, stacked in its client
// area; ItemIndex is the checked one (-1 for none).
#include <string>
#include <vector>

#include "toolkit/GroupBox.h"

namespace korvale {

class TRadioButton;

class TCustomRadioGroup : public TCustomGroupBox {
 public:
  explicit TCustomRadioGroup(TComponent* owner);
  std::string ClassName() const override { return "TCustomRadioGroup"; }

  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(const std::vector<std::string>& items);
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  TRadioButton* Button(int index) const { return buttons_[index]; }
  void SetBounds(int left, int top, int width, int height) override;

 private:
  void ButtonClick(TObject* sender);
  void ArrangeButtons();

  std::vector<std::string> items_;
  std::vector<TRadioButton*> buttons_;
  int itemIndex_ = -1;
  bool updating_ = false;
};

class TRadioGroup : public TCustomRadioGroup {
 public:
  using TCustomRadioGroup::TCustomRadioGroup;
  std::string ClassName() const override { return "TRadioGroup"; }
};

}  // namespace korvale
