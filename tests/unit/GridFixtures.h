#pragma once
// A sheet together with the grid's view of it, for the tests of the view, its geometry and
// its navigation: the sheet's setters and the view's members under one name.
#include "sheet/Sheet.h"
#include "ui/GridModel.h"

namespace pendra {

class ViewedSheet : public Sheet, public GridModel {
 public:
  ViewedSheet(int colCount, int rowCount) : Sheet(colCount, rowCount), GridModel(static_cast<Sheet&>(*this)) {}

  using GridModel::Cell;
  using GridModel::ColCount;
  using GridModel::ColWidth;
  using GridModel::ColWidths;
  using GridModel::FixedRows;
  using GridModel::LineWidth;
  using GridModel::RowCount;
  using GridModel::SetFixedRows;
};

// The first-run sheet's shape in the first-run grid's view after fitting: columns 50, 210
// and 45 wide, with lines, in a 308 x 149 view.
class FirstRunGrid : public ViewedSheet {
 public:
  explicit FirstRunGrid(int rowCount = 6) : ViewedSheet(3, rowCount) {
    SetColWidth(0, 50);
    SetColWidth(1, 210);
    SetColWidth(2, 45);
    SetViewSize(308, 149);
  }
};

}  // namespace pendra
