#pragma once

// TComboBox: the system combo box in its drop-down, drop-down list or simple style, with a
// list of item texts.
#include <string>
#include <vector>

#include "toolkit/WinControl.h"

namespace korvale {

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TCustomComboBox : public TWinControl {
 public:
  explicit TCustomComboBox(TComponent* owner);
  std::string ClassName() const override { return "TCustomComboBox"; }

  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style);
  const std::vector<std::string>& Items() const { return items_; }
  void AddItem(const std::string& text);
  void SetItems(const std::vector<std::string>& items);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;

 private:
  TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
  std::vector<std::string> items_;
};

class TComboBox : public TCustomComboBox {
 public:
  using TCustomComboBox::TCustomComboBox;
  std::string ClassName() const override { return "TComboBox"; }
};

}  // namespace korvale
