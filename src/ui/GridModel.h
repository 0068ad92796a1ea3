#pragma once
// The to-do grid's view of the sheet, without a window: the row height, the current cell (the
// grid's one-cell selection), the editing state and the scroll position within a view of a
// given size. The texts, counts, widths, line width and the fixed title row are the sheet's;
// the view follows every change of the sheet (a current cell that no longer exists moves into
// the last row or column, the edited one stops editing, the scroll position stays in range).
//
// Rows are counted from 0; row 0 is the title row. While the sheet has a fixed row (count 1)
// row 0 cannot become current and does not scroll. There are no fixed columns.
#include <string>
#include <vector>

#include "sheet/Sheet.h"

namespace pendra {

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

// What changed in the view: the current cell (from one cell to another), the editing of a cell
// (begun or ended), or the scroll position.
struct GridViewChange {
  enum class Kind { Current, Editing, Scroll };
  Kind kind = Kind::Current;
  GridCell before;
  GridCell after;
  bool operator==(const GridViewChange&) const = default;
};

class GridViewObserver {
 public:
  virtual void GridViewChanged(const GridViewChange& change) = 0;

 protected:
  ~GridViewObserver() = default;
};

class GridModel : private SheetObserver {
 public:
  static constexpr int kDefaultRowHeight = 24;

  // A view of the sheet with no current cell, scrolled to the top-left corner.
  explicit GridModel(Sheet& sheet);
  ~GridModel();
  GridModel(const GridModel&) = delete;
  GridModel& operator=(const GridModel&) = delete;

  // The one observer of the view (its control); none at first. The view's own changes reach it;
  // the sheet's changes reach the sheet's observers.
  void SetObserver(GridViewObserver* observer) { observer_ = observer; }

  Sheet& TheSheet() { return sheet_; }
  const Sheet& TheSheet() const { return sheet_; }

  // What the view reads of the sheet.
  const std::u16string& Cell(int col, int row) const { return sheet_.Cell(col, row); }
  int RowCount() const { return sheet_.RowCount(); }
  int ColCount() const { return sheet_.ColCount(); }
  int ColWidth(int col) const { return sheet_.ColWidth(col); }
  const std::vector<int>& ColWidths() const { return sheet_.ColWidths(); }
  int FixedRows() const { return sheet_.FixedRows(); }
  int LineWidth() const { return sheet_.LineWidth(); }

  int DefaultRowHeight() const { return rowHeight_; }
  void SetDefaultRowHeight(int height);  // at least 1
  // Row height plus the line under the row.
  int RowPitch() const { return rowHeight_ + LineWidth(); }

  // Makes the title row fixed (1) or editable (0), as the sheet allows. A change ends
  // editing, makes the first non-fixed cell current and scrolls to the top-left corner.
  void SetFixedRows(int count);

  bool HasCurrentCell() const { return current_.col >= 0; }
  GridCell CurrentCell() const { return current_; }
  GridSelection Selection() const;
  // Inside the grid and not in the fixed row.
  bool IsSelectable(GridCell cell) const;
  // Column 0 of the first row below the fixed row.
  GridCell FirstNonFixedCell() const { return {0, FixedRows()}; }
  // Makes a selectable cell current and scrolls it into view; false (and no change) otherwise.
  bool SetCurrentCell(GridCell cell);
  void ClearSelection();

  // Editing belongs to one cell, which keeps its place when the selection moves or is cleared.
  bool IsEditing() const { return editing_; }
  GridCell EditedCell() const { return editing_ ? edited_ : GridCell{}; }
  // Starts editing the current cell; false when there is none.
  bool BeginEditing();
  void EndEditing();
  // The sheet was rearranged under the view (another version merged in): the current cell moves
  // to `cell`, where its task went, and an editing goes on there with the editor as it is. A cell
  // that cannot be current ends both.
  void Follow(GridCell cell, bool editing);

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
  void SheetChanged(const SheetChange& change) override;
  void ClampCellsToGrid();
  void ClampScroll();
  void Notify(GridViewChange::Kind kind, GridCell before, GridCell after);
  // Tells of a scroll position other than the given one.
  void NotifyScrollSince(int topRow, int leftCol);

  Sheet& sheet_;
  GridViewObserver* observer_ = nullptr;
  int rowHeight_ = kDefaultRowHeight;
  GridCell current_;
  bool editing_ = false;
  GridCell edited_;
  int viewWidth_ = 0;
  int viewHeight_ = 0;
  int topRow_ = 1;
  int leftCol_ = 0;
};

}  // namespace pendra
