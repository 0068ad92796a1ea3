#include "ui/GridModel.h"

#include <algorithm>
#include <cstdint>

namespace pendra {

namespace {

const std::u16string kEmpty;

void ThrowOutOfRange() { throw EInvalidGridOperation(u"Grid index out of range"); }

}  // namespace

GridModel::GridModel(int colCount, int rowCount) {
  SetColCount(colCount);
  SetRowCount(rowCount);
  fixedRows_ = RowCount() >= 2 ? 1 : 0;
  topRow_ = fixedRows_;
}

const std::u16string& GridModel::Cell(int col, int row) const {
  if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) return kEmpty;
  const std::vector<std::u16string>& cells = rows_[row];
  return col < static_cast<int>(cells.size()) ? cells[col] : kEmpty;
}

void GridModel::SetCell(int col, int row, std::u16string text) {
  if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) ThrowOutOfRange();
  std::vector<std::u16string>& cells = rows_[row];
  if (col >= static_cast<int>(cells.size())) {
    if (text.empty()) return;
    cells.resize(col + 1);
  }
  cells[col] = std::move(text);
}

void GridModel::SetRowCount(int count) {
  rows_.resize(std::clamp(count, 1, kMaxRowCount));
  fixedRows_ = std::min(fixedRows_, RowCount() - 1);
  ClampCellsToGrid();
  ClampScroll();
}

void GridModel::SetColCount(int count) {
  widths_.resize(std::clamp(count, 1, kMaxColCount), kDefaultColWidth);
  for (std::vector<std::u16string>& cells : rows_) {
    if (static_cast<int>(cells.size()) > ColCount()) cells.resize(ColCount());
  }
  ClampCellsToGrid();
  ClampScroll();
}

int GridModel::ColWidth(int col) const {
  if (col < 0 || col >= ColCount()) ThrowOutOfRange();
  return widths_[col];
}

void GridModel::SetColWidth(int col, int width) {
  if (col < 0 || col >= ColCount()) ThrowOutOfRange();
  widths_[col] = std::max(0, width);
  ClampScroll();
}

void GridModel::SetDefaultRowHeight(int height) {
  rowHeight_ = std::max(1, height);
  ClampScroll();
}

void GridModel::SetFixedRows(int count) {
  const int fixed = std::clamp(count, 0, std::min(1, RowCount() - 1));
  if (fixed == fixedRows_) return;
  fixedRows_ = fixed;
  editing_ = false;
  current_ = FirstNonFixedCell();
  topRow_ = fixedRows_;
  leftCol_ = 0;
  ClampScroll();
}

void GridModel::SetLineWidth(int width) {
  lineWidth_ = std::max(0, width);
  ClampScroll();
}

GridSelection GridModel::Selection() const {
  if (!HasCurrentCell()) return {};
  return {current_.col, current_.row, current_.col, current_.row};
}

bool GridModel::IsSelectable(GridCell cell) const {
  return cell.col >= 0 && cell.col < ColCount() && cell.row >= fixedRows_ && cell.row < RowCount();
}

bool GridModel::SetCurrentCell(GridCell cell) {
  if (!IsSelectable(cell)) return false;
  current_ = cell;
  MakeCellVisible(cell);
  return true;
}

bool GridModel::BeginEditing() {
  if (!IsSelectable(current_)) return false;
  editing_ = true;
  edited_ = current_;
  return true;
}

void GridModel::SetViewSize(int width, int height) {
  viewWidth_ = std::max(0, width);
  viewHeight_ = std::max(0, height);
  ClampScroll();
}

void GridModel::ScrollTo(int topRow, int leftCol) {
  topRow_ = topRow;
  leftCol_ = leftCol;
  ClampScroll();
}

int GridModel::FullyVisibleRows() const {
  const std::int64_t pitch = RowPitch();
  const std::int64_t space = std::int64_t{viewHeight_} - fixedRows_ * pitch + lineWidth_;
  return static_cast<int>(std::max<std::int64_t>(0, space / pitch));
}

int GridModel::MaxTopRow() const { return std::max(fixedRows_, RowCount() - std::max(1, FullyVisibleRows())); }

int GridModel::MaxLeftCol() const {
  std::int64_t extent = -lineWidth_;
  int left = ColCount();
  while (left > 0) {
    extent += widths_[left - 1] + std::int64_t{lineWidth_};
    if (extent > viewWidth_) break;
    --left;
  }
  return std::min(left, ColCount() - 1);
}

void GridModel::MakeCellVisible(GridCell cell) {
  if (cell.row >= fixedRows_ && cell.row < RowCount()) {
    const int rows = std::max(1, FullyVisibleRows());
    if (cell.row < topRow_) topRow_ = cell.row;
    if (cell.row >= topRow_ + rows) topRow_ = cell.row - rows + 1;
  }
  if (cell.col >= 0 && cell.col < ColCount()) {
    if (cell.col < leftCol_) leftCol_ = cell.col;
    std::int64_t extent = -lineWidth_;
    for (int col = leftCol_; col <= cell.col; ++col) extent += widths_[col] + std::int64_t{lineWidth_};
    while (leftCol_ < cell.col && extent > viewWidth_) {
      extent -= widths_[leftCol_] + std::int64_t{lineWidth_};
      ++leftCol_;
    }
  }
  ClampScroll();
}

void GridModel::ClampCellsToGrid() {
  if (HasCurrentCell()) {
    current_.col = std::min(current_.col, ColCount() - 1);
    current_.row = std::min(current_.row, RowCount() - 1);
  }
  if (editing_ && (edited_.col >= ColCount() || edited_.row >= RowCount())) editing_ = false;
}

void GridModel::ClampScroll() {
  topRow_ = std::clamp(topRow_, fixedRows_, MaxTopRow());
  leftCol_ = std::clamp(leftCol_, 0, MaxLeftCol());
}

}  // namespace pendra
