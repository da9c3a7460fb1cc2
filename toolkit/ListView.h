#pragma once

// TListView: the common-controls list view in report style, its columns titled by the
// list view's own header, or without that header.
#include <string>
#include <vector>

#include "toolkit/ColumnItem.h"
#include "toolkit/WinControl.h"

namespace korvale {

class TCustomListView : public TWinControl, public TColumnOwner {
 public:
  explicit TCustomListView(TComponent* owner);
  std::string ClassName() const override { return "TCustomListView"; }

  TCollection& Columns() { return columns_; }
  TColumnItem& Column(int index) const { return static_cast<TColumnItem&>(*columns_.Items(index)); }
  TColumnItem& AddColumn(const std::string& caption, int width);
  bool ShowColumnHeaders() const { return showColumnHeaders_; }
  void SetShowColumnHeaders(bool show);
  // Items, each its caption and then the texts of the further columns.
  void AddItems(std::vector<std::vector<std::string>> items);
  int ItemCount() const { return static_cast<int>(items_.size()); }

  void ColumnChanged(int index) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;

 private:
  void PutColumn(int index);
  void PutItem(int index);

  TCollection columns_{this, TCollection::FactoryOf<TListColumn>()};
  std::vector<std::vector<std::string>> items_;
  bool showColumnHeaders_ = true;
};

class TListView : public TCustomListView {
 public:
  using TCustomListView::TCustomListView;
  std::string ClassName() const override { return "TListView"; }
};

}  // namespace korvale
