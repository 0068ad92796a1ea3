#include "sheet/Sheet.h"

#include <algorithm>

namespace pendra {

namespace {

const std::u16string kEmpty;

[[noreturn]] void ThrowOutOfRange() { throw EInvalidGridOperation(u"Grid index out of range"); }

}  // namespace

Sheet::Sheet() : Sheet(3, 6) { widths_ = {50, 235, 45}; }

Sheet::Sheet(int colCount, int rowCount) {
  SetColCount(colCount);
  SetRowCount(rowCount);
  fixedRows_ = RowCount() >= 2 ? 1 : 0;
}

const std::u16string& Sheet::Cell(int col, int row) const {
  if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) return kEmpty;
  const std::vector<std::u16string>& cells = rows_[row];
  return col < static_cast<int>(cells.size()) ? cells[col] : kEmpty;
}

void Sheet::SetCell(int col, int row, std::u16string text) {
  if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) ThrowOutOfRange();
  std::vector<std::u16string>& cells = rows_[row];
  if (col >= static_cast<int>(cells.size())) {
    if (text.empty()) return;
    cells.resize(col + 1);
  }
  if (cells[col] == text) return;
  cells[col] = std::move(text);
  Notify({SheetChange::Kind::Cell, col, row});
}

void Sheet::SetRowCount(int count) {
  const int rows = std::clamp(count, 1, kMaxRowCount);
  if (rows == RowCount()) return;
  rows_.resize(rows);
  fixedRows_ = std::min(fixedRows_, RowCount() - 1);
  Notify({});
}

void Sheet::SetColCount(int count) {
  const int cols = std::clamp(count, 1, kMaxColCount);
  if (cols == ColCount()) return;
  widths_.resize(cols, kDefaultColWidth);
  alignments_.resize(cols, ALIGNLEFT);
  for (std::vector<std::u16string>& cells : rows_) {
    if (static_cast<int>(cells.size()) > cols) cells.resize(cols);
  }
  Notify({});
}

int Sheet::ColWidth(int col) const {
  if (col < 0 || col >= ColCount()) ThrowOutOfRange();
  return widths_[col];
}

void Sheet::SetColWidth(int col, int width) {
  if (col < 0 || col >= ColCount()) ThrowOutOfRange();
  const int newWidth = std::max(0, width);
  if (widths_[col] == newWidth) return;
  widths_[col] = newWidth;
  Notify({});
}

void Sheet::SetFixedRows(int count) {
  const int fixed = std::clamp(count, 0, std::min(1, RowCount() - 1));
  if (fixed == fixedRows_) return;
  fixedRows_ = fixed;
  Notify({});
}

TCellAlignment Sheet::Alignment(int col) const { return col >= 0 && col < ColCount() ? alignments_[col] : ALIGNLEFT; }

void Sheet::SetAlignment(int col, TCellAlignment alignment) {
  if (col < 0 || col >= ColCount()) ThrowOutOfRange();
  alignments_[col] = alignment;
  Notify({SheetChange::Kind::Look});
}

void Sheet::SetTitleBold(bool bold) {
  flags_.TitleFett.Show(bold);
  Notify({SheetChange::Kind::Look});
}

void Sheet::SetGridLines(bool on) {
  flags_.ShowGridLines.Show(on);
  lineWidth_ = on ? 1 : 0;
  Notify({});
}

void Sheet::SetSkinName(std::u16string name) {
  skinName_ = std::move(name);
  Notify({SheetChange::Kind::Look});
}

void Sheet::SetSkinPath(std::u16string path) {
  skinPath_ = std::move(path);
  Notify({SheetChange::Kind::Look});
}

void Sheet::SetWindowRect(const Rect& rect) {
  if (rect == windowRect_) return;
  windowRect_ = rect;
  Notify({SheetChange::Kind::Window});
}

size_t Sheet::Content::Bytes() const {
  size_t bytes = sizeof(Content) + widths.size() * sizeof(int) + alignments.size();
  for (const std::vector<std::u16string>& row : rows) {
    bytes += sizeof(row);
    for (const std::u16string& cell : row) bytes += sizeof(cell) + cell.size() * sizeof(char16_t);
  }
  return bytes;
}

Sheet::Content Sheet::Snapshot() const { return {rows_, widths_, alignments_, fixedRows_, flags_, lineWidth_}; }

void Sheet::Restore(const Content& content) {
  rows_ = content.rows;
  widths_ = content.widths;
  alignments_ = content.alignments;
  fixedRows_ = content.fixedRows;
  flags_ = content.flags;
  lineWidth_ = content.lineWidth;
  Notify({});
}

void Sheet::AddObserver(SheetObserver& observer) { observers_.push_back(&observer); }

void Sheet::RemoveObserver(SheetObserver& observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer), observers_.end());
}

void Sheet::Notify(SheetChange change) {
  if (batchDepth_ > 0) {
    changedInBatch_ = true;
    return;
  }
  // A copy: an observer may add or remove observers while it is told.
  const std::vector<SheetObserver*> observers = observers_;
  for (SheetObserver* observer : observers) observer->SheetChanged(change);
}

Sheet::Batch::Batch(Sheet& sheet) : sheet_(sheet) { ++sheet_.batchDepth_; }

Sheet::Batch::~Batch() {
  if (--sheet_.batchDepth_ > 0 || !sheet_.changedInBatch_) return;
  sheet_.changedInBatch_ = false;
  sheet_.Notify({});
}

}  // namespace pendra
