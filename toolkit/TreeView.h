#pragma once

// TTreeView: the common-controls tree view with lines and buttons, top-level items only,
// kept while the window comes and goes.
#include <string>
#include <vector>

#include "toolkit/WinControl.h"

namespace korvale {

class TCustomTreeView : public TWinControl {
 public:
  explicit TCustomTreeView(TComponent* owner);
  std::string ClassName() const override { return "TCustomTreeView"; }

  void AddItem(const std::string& text);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;

 private:
  void InsertItem(const std::string& text);

  std::vector<std::string> items_;
};

class TTreeView : public TCustomTreeView {
 public:
  using TCustomTreeView::TCustomTreeView;
  std::string ClassName() const override { return "TTreeView"; }
};

}  // namespace korvale
