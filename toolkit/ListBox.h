#pragma once

// TListBox: the system list box with a vertical bar, its lines kept while the window comes
// and goes.
#include <string>
#include <vector>

#include "toolkit/WinControl.h"

namespace korvale {

class TCustomListBox : public TWinControl {
 public:
  explicit TCustomListBox(TComponent* owner);
  std::string ClassName() const override { return "TCustomListBox"; }

  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(const std::vector<std::string>& items);
  void AddItem(const std::string& item);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;

 private:
  std::vector<std::string> items_;
};

class TListBox : public TCustomListBox {
 public:
  using TCustomListBox::TCustomListBox;
  std::string ClassName() const override { return "TListBox"; }
};

}  // namespace korvale
