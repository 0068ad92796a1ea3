#include "ui/GridModel.h"

#include <algorithm>
#include <cstdint>

namespace pendra {

GridModel::GridModel(Sheet& sheet) : sheet_(sheet), topRow_(sheet.FixedRows()) {
  sheet_.AddObserver(*this);
  ClampScroll();
}

GridModel::~GridModel() { sheet_.RemoveObserver(*this); }

void GridModel::SheetChanged(const SheetChange& change) {
  if (change.kind != SheetChange::Kind::Structure) return;
  ClampCellsToGrid();
  ClampScroll();
}

void GridModel::SetDefaultRowHeight(int height) {
  rowHeight_ = std::max(1, height);
  ClampScroll();
}

void GridModel::SetFixedRows(int count) {
  const int before = FixedRows();
  sheet_.SetFixedRows(count);
  if (FixedRows() == before) return;
  EndEditing();
  const int top = topRow_;
  const int left = leftCol_;
  topRow_ = FixedRows();
  leftCol_ = 0;
  ClampScroll();
  SetCurrentCell(FirstNonFixedCell());
  NotifyScrollSince(top, left);
}

GridSelection GridModel::Selection() const {
  if (!HasCurrentCell()) return {};
  return {current_.col, current_.row, current_.col, current_.row};
}

bool GridModel::IsSelectable(GridCell cell) const {
  return cell.col >= 0 && cell.col < ColCount() && cell.row >= FixedRows() && cell.row < RowCount();
}

bool GridModel::SetCurrentCell(GridCell cell) {
  if (!IsSelectable(cell)) return false;
  const GridCell before = current_;
  current_ = cell;
  if (before != cell) Notify(GridViewChange::Kind::Current, before, cell);
  MakeCellVisible(cell);
  return true;
}

void GridModel::ClearSelection() {
  const GridCell before = current_;
  current_ = {};
  if (before != current_) Notify(GridViewChange::Kind::Current, before, current_);
}

bool GridModel::BeginEditing() {
  if (!IsSelectable(current_)) return false;
  const bool was = editing_;
  const GridCell before = edited_;
  editing_ = true;
  edited_ = current_;
  if (!was || before != edited_) Notify(GridViewChange::Kind::Editing, was ? before : GridCell{}, edited_);
  return true;
}

void GridModel::EndEditing() {
  if (!editing_) return;
  editing_ = false;
  Notify(GridViewChange::Kind::Editing, edited_, {});
}

void GridModel::Follow(GridCell cell, bool editing) {
  const GridCell before = current_;
  const GridCell editedBefore = edited_;
  const bool stays = IsSelectable(cell);
  current_ = stays ? cell : GridCell{};
  editing_ = editing && stays;
  if (editing_) {
    edited_ = cell;
    MakeCellVisible(cell);
  }
  if (before != current_) Notify(GridViewChange::Kind::Current, before, current_);
  if (editing) Notify(GridViewChange::Kind::Editing, editedBefore, editing_ ? edited_ : GridCell{});
}

void GridModel::SetViewSize(int width, int height) {
  viewWidth_ = std::max(0, width);
  viewHeight_ = std::max(0, height);
  ClampScroll();
}

void GridModel::ScrollTo(int topRow, int leftCol) {
  const int top = topRow_;
  const int left = leftCol_;
  topRow_ = topRow;
  leftCol_ = leftCol;
  ClampScroll();
  NotifyScrollSince(top, left);
}

int GridModel::FullyVisibleRows() const {
  const std::int64_t pitch = RowPitch();
  const std::int64_t space = std::int64_t{viewHeight_} - FixedRows() * pitch + LineWidth();
  return static_cast<int>(std::max<std::int64_t>(0, space / pitch));
}

int GridModel::MaxTopRow() const { return std::max(FixedRows(), RowCount() - std::max(1, FullyVisibleRows())); }

int GridModel::MaxLeftCol() const {
  const std::vector<int>& widths = ColWidths();
  std::int64_t extent = -LineWidth();
  int left = ColCount();
  while (left > 0) {
    extent += widths[left - 1] + std::int64_t{LineWidth()};
    if (extent > viewWidth_) break;
    --left;
  }
  return std::min(left, ColCount() - 1);
}

void GridModel::MakeCellVisible(GridCell cell) {
  const int top = topRow_;
  const int left = leftCol_;
  if (cell.row >= FixedRows() && cell.row < RowCount()) {
    const int rows = std::max(1, FullyVisibleRows());
    if (cell.row < topRow_) topRow_ = cell.row;
    if (cell.row >= topRow_ + rows) topRow_ = cell.row - rows + 1;
  }
  if (cell.col >= 0 && cell.col < ColCount()) {
    const std::vector<int>& widths = ColWidths();
    if (cell.col < leftCol_) leftCol_ = cell.col;
    std::int64_t extent = -LineWidth();
    for (int col = leftCol_; col <= cell.col; ++col) extent += widths[col] + std::int64_t{LineWidth()};
    while (leftCol_ < cell.col && extent > viewWidth_) {
      extent -= widths[leftCol_] + std::int64_t{LineWidth()};
      ++leftCol_;
    }
  }
  ClampScroll();
  NotifyScrollSince(top, left);
}

void GridModel::ClampCellsToGrid() {
  if (HasCurrentCell()) {
    current_.col = std::min(current_.col, ColCount() - 1);
    current_.row = std::min(current_.row, RowCount() - 1);
  }
  if (editing_ && (edited_.col >= ColCount() || edited_.row >= RowCount())) editing_ = false;
}

void GridModel::Notify(GridViewChange::Kind kind, GridCell before, GridCell after) {
  if (observer_) observer_->GridViewChanged({kind, before, after});
}

void GridModel::NotifyScrollSince(int topRow, int leftCol) {
  if (topRow != topRow_ || leftCol != leftCol_) Notify(GridViewChange::Kind::Scroll, {}, {});
}

void GridModel::ClampScroll() {
  topRow_ = std::clamp(topRow_, FixedRows(), MaxTopRow());
  leftCol_ = std::clamp(leftCol_, 0, MaxLeftCol());
}

}  // namespace pendra
