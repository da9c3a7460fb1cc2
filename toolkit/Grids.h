#pragma once

// TDrawGrid: a grid of equal cells with one fixed row and one fixed column painted in
// FixedColor, and bars that scroll it by whole rows and columns. The least a grid needs:
// no editing, no selection, no cell text.
#include "toolkit/WinControl.h"

namespace korvale {

class TCustomGrid : public TCustomControl {
 public:
  explicit TCustomGrid(TComponent* owner);
  std::string ClassName() const override { return "TCustomGrid"; }

  int ColCount() const { return colCount_; }
  void SetColCount(int count);
  int RowCount() const { return rowCount_; }
  void SetRowCount(int count);
  int DefaultColWidth() const { return colWidth_; }
  void SetDefaultColWidth(int width);
  int DefaultRowHeight() const { return rowHeight_; }
  void SetDefaultRowHeight(int height);
  TColor FixedColor() const { return fixedColor_; }
  void SetFixedColor(TColor color);
  // The first scrollable column and row shown beside the fixed ones.
  int LeftCol() const { return first_[0] + 1; }
  int TopRow() const { return first_[1] + 1; }
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;
  void Paint(TCanvas& canvas) override;

 private:
  void UpdateScrollBars();
  void Scroll(int bar, int code);

  int colCount_ = 5;
  int rowCount_ = 5;
  int colWidth_ = 64;
  int rowHeight_ = 24;
  TColor fixedColor_ = clBtnFace;
  int first_[2] = {0, 0};  // scrolled columns and rows (SB_HORZ, SB_VERT)
};

class TDrawGrid : public TCustomGrid {
 public:
  using TCustomGrid::TCustomGrid;
  std::string ClassName() const override { return "TDrawGrid"; }
};

}  // namespace korvale
