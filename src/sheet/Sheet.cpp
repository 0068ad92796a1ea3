#include "sheet/Sheet.h"

#include <algorithm>

namespace pendra {

namespace {

const std::u16string kEmpty;

[[noreturn]] void ThrowOutOfRange() { throw EInvalidGridOperation(u"Grid index out of range"); }

}  // namespace

Sheet::Sheet() : Sheet(3, 6) { content_.widths = {50, 235, 45}; }

Sheet::Sheet(int colCount, int rowCount) {
  SetColCount(colCount);
  SetRowCount(rowCount);
  content_.fixedRows = RowCount() >= 2 ? 1 : 0;
}

const std::u16string& Sheet::Cell(int col, int row) const {
  if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) return kEmpty;
  const std::vector<std::u16string>& cells = content_.rows[row];
  return col < static_cast<int>(cells.size()) ? cells[col] : kEmpty;
}

void Sheet::SetCell(int col, int row, std::u16string text) {
  if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) ThrowOutOfRange();
  std::vector<std::u16string>& cells = content_.rows[row];
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
  content_.rows.resize(rows);
  content_.fixedRows = std::min(content_.fixedRows, RowCount() - 1);
  Notify({});
}

void Sheet::SetColCount(int count) {
  const int cols = std::clamp(count, 1, kMaxColCount);
  if (cols == ColCount()) return;
  content_.widths.resize(cols, newColumnWidth_);
  content_.alignments.resize(cols, ALIGNLEFT);
  for (std::vector<std::u16string>& cells : content_.rows) {
    if (static_cast<int>(cells.size()) > cols) cells.resize(cols);
  }
  Notify({});
}

int Sheet::ColWidth(int col) const {
  if (col < 0 || col >= ColCount()) ThrowOutOfRange();
  return content_.widths[col];
}

void Sheet::SetColWidth(int col, int width) {
  if (col < 0 || col >= ColCount()) ThrowOutOfRange();
  const int newWidth = std::max(0, width);
  if (content_.widths[col] == newWidth) return;
  content_.widths[col] = newWidth;
  Notify({});
}

void Sheet::SetFixedRows(int count) {
  const int fixed = std::clamp(count, 0, std::min(1, RowCount() - 1));
  if (fixed == content_.fixedRows) return;
  content_.fixedRows = fixed;
  Notify({});
}

TCellAlignment Sheet::Alignment(int col) const {
  return col >= 0 && col < ColCount() ? content_.alignments[col] : ALIGNLEFT;
}

void Sheet::SetAlignment(int col, TCellAlignment alignment) {
  if (col < 0 || col >= ColCount()) ThrowOutOfRange();
  content_.alignments[col] = alignment;
  Notify({SheetChange::Kind::Look});
}

void Sheet::SetTitleBold(bool bold) {
  content_.flags.TitleFett.Show(bold);
  Notify({SheetChange::Kind::Look});
}

void Sheet::SetGridLines(bool on) {
  content_.flags.ShowGridLines.Show(on);
  content_.lineWidth = on ? 1 : 0;
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

void Sheet::Restore(const Content& content) {
  content_ = content;
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
