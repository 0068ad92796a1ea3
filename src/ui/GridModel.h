#pragma once
// The to-do grid's state without a window: cell texts (UTF-16), row and column counts, column
// widths, row height, the fixed title row, line width, the current cell (the grid's one-cell
// selection), the editing state and the scroll position within a view of a given size.
//
// Rows are counted from 0; row 0 is the title row. While the grid has a fixed row (count 1)
// row 0 cannot become current and does not scroll. There are no fixed columns.
#include <string>
#include <vector>

#include "platform/Failure.h"

namespace pendra {

// A grid operation that cannot be done, such as a column index outside the grid.
class EInvalidGridOperation : public Failure {
 public:
  using Failure::Failure;
  const char16_t* TypeName() const override { return u"EInvalidGridOperation"; }
};

struct GridCell {
  int col = -1;
  int row = -1;
  bool operator==(const GridCell&) const = default;
};

// The selection as a rectangle of cells; (-1, -1, -1, -1) when it holds no cell.
struct GridSelection {
  int left = -1;
  int top = -1;
  int right = -1;
  int bottom = -1;
  bool operator==(const GridSelection&) const = default;
};

class GridModel {
 public:
  static constexpr int kDefaultColWidth = 64;
  static constexpr int kDefaultRowHeight = 24;
  // Counts are bounded so that a damaged data file cannot exhaust the memory.
  static constexpr int kMaxRowCount = 1'000'000;
  static constexpr int kMaxColCount = 10'000;

  // A grid with the given counts (each at least 1), one fixed row when there are two or more
  // rows, line width 1 and no current cell.
  GridModel(int colCount = 5, int rowCount = 5);

  // Cells outside the grid read as empty; writing one is an EInvalidGridOperation.
  const std::u16string& Cell(int col, int row) const;
  void SetCell(int col, int row, std::u16string text);

  int RowCount() const { return static_cast<int>(rows_.size()); }
  int ColCount() const { return static_cast<int>(widths_.size()); }
  // Counts below 1 become 1, counts above the maximum the maximum. Fewer rows than fixed rows drop the fixed row; a
  // current or edited cell that no longer exists moves into the last row or column, or stops editing.
  void SetRowCount(int count);
  void SetColCount(int count);

  int ColWidth(int col) const;
  const std::vector<int>& ColWidths() const { return widths_; }
  // An index not below the column count (or below 0) is an EInvalidGridOperation
  // "Grid index out of range". Negative widths become 0.
  void SetColWidth(int col, int width);

  int DefaultRowHeight() const { return rowHeight_; }
  void SetDefaultRowHeight(int height);  // at least 1

  int FixedRows() const { return fixedRows_; }
  // 0 or 1, and always fewer than the rows. A change ends editing, makes the first non-fixed
  // cell current and scrolls to the top-left corner.
  void SetFixedRows(int count);

  int LineWidth() const { return lineWidth_; }
  void SetLineWidth(int width);  // at least 0
  // Row height plus the line under the row.
  int RowPitch() const { return rowHeight_ + lineWidth_; }

  bool HasCurrentCell() const { return current_.col >= 0; }
  GridCell CurrentCell() const { return current_; }
  GridSelection Selection() const;
  // Inside the grid and not in the fixed row.
  bool IsSelectable(GridCell cell) const;
  // Column 0 of the first row below the fixed row.
  GridCell FirstNonFixedCell() const { return {0, fixedRows_}; }
  // Makes a selectable cell current and scrolls it into view; false (and no change) otherwise.
  bool SetCurrentCell(GridCell cell);
  void ClearSelection() { current_ = {}; }

  // Editing belongs to one cell, which keeps its place when the selection moves or is cleared.
  bool IsEditing() const { return editing_; }
  GridCell EditedCell() const { return editing_ ? edited_ : GridCell{}; }
  // Starts editing the current cell; false when there is none.
  bool BeginEditing();
  void EndEditing() { editing_ = false; }

  // The view: the pixel size that shows the cells, and the first scrolled row and column.
  int ViewWidth() const { return viewWidth_; }
  int ViewHeight() const { return viewHeight_; }
  void SetViewSize(int width, int height);
  int TopRow() const { return topRow_; }
  int LeftCol() const { return leftCol_; }
  // Clamped to the range in which the last row and column are still shown.
  void ScrollTo(int topRow, int leftCol);
  void MakeCellVisible(GridCell cell);
  int MaxTopRow() const;
  int MaxLeftCol() const;
  // Rows below the fixed row that fit into the view whole (their cells; the line under the
  // last one may be cut).
  int FullyVisibleRows() const;

 private:
  void ClampCellsToGrid();
  void ClampScroll();

  // One entry per row; a row holds only the cells up to its last written one.
  std::vector<std::vector<std::u16string>> rows_;
  std::vector<int> widths_;
  int rowHeight_ = kDefaultRowHeight;
  int fixedRows_ = 1;
  int lineWidth_ = 1;
  GridCell current_;
  bool editing_ = false;
  GridCell edited_;
  int viewWidth_ = 0;
  int viewHeight_ = 0;
  int topRow_ = 1;
  int leftCol_ = 0;
};

}  // namespace pendra
