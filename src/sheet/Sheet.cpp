#include "sheet/Sheet.h"

#include <algorithm>

#include "sheet/SheetPatch.h"

namespace pendra {

namespace {

const std::u16string kEmpty;

[[noreturn]] void ThrowOutOfRange() { throw EInvalidGridOperation(u"Grid index out of range"); }

SheetChange StructureOf(RowSpan rows) { return {SheetChange::Kind::Structure, -1, -1, rows}; }
SheetChange LookChange() { return {SheetChange::Kind::Look, -1, -1, {}}; }

}  // namespace

Sheet::Sheet() : Sheet(3, 6) { content_.widths = {50, 235, 45}; }

Sheet::Sheet(int colCount, int rowCount) {
  SetColCount(colCount);
  SetRowCount(rowCount);
  content_.fixedRows = RowCount() >= 2 ? 1 : 0;
}

const std::u16string& Sheet::Cell(int col, int row) const { return content_.Cell(col, row); }

const std::u16string& Sheet::Content::Cell(int col, int row) const {
  if (row < 0 || row >= static_cast<int>(rows.size()) || col < 0 || col >= static_cast<int>(widths.size())) {
    return kEmpty;
  }
  const std::vector<std::u16string>& cells = rows[static_cast<size_t>(row)];
  return col < static_cast<int>(cells.size()) ? cells[static_cast<size_t>(col)] : kEmpty;
}

void Sheet::SetCell(int col, int row, std::u16string text) {
  if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) ThrowOutOfRange();
  const std::vector<std::u16string>& before = content_.rows[row];
  if (col >= static_cast<int>(before.size()) ? text.empty() : before[col] == text) return;
  std::vector<std::u16string>& cells = content_.rows.Edit(row);
  if (col >= static_cast<int>(cells.size())) cells.resize(col + 1);
  cells[col] = std::move(text);
  Notify({SheetChange::Kind::Cell, col, row, {row, row + 1}});
}

void Sheet::SetRow(int row, std::vector<std::u16string> cells) {
  if (row < 0 || row >= RowCount()) ThrowOutOfRange();
  if (static_cast<int>(cells.size()) > ColCount()) cells.resize(ColCount());
  content_.rows.Exchange(row, cells);
  Notify(StructureOf({row, row + 1}));
}

void Sheet::SetRowCount(int count) {
  const int rows = std::clamp(count, 1, kMaxRowCount);
  if (rows == RowCount()) return;
  const RowSpan changed{std::min(rows, RowCount()), std::max(rows, RowCount())};
  content_.rows.resize(rows);
  content_.fixedRows = std::min(content_.fixedRows, RowCount() - 1);
  Notify(StructureOf(changed));
}

void Sheet::SetColCount(int count) {
  const int cols = std::clamp(count, 1, kMaxColCount);
  if (cols == ColCount()) return;
  // Fewer columns cut the rows' cells beyond them.
  const RowSpan changed = cols < ColCount() ? RowSpan{0, RowCount()} : RowSpan{};
  content_.widths.resize(cols, newColumnWidth_);
  content_.alignments.resize(cols, ALIGNLEFT);
  for (size_t row = 0; row < content_.rows.size(); ++row) {
    if (static_cast<int>(content_.rows[row].size()) > cols) content_.rows.Edit(row).resize(cols);
  }
  Notify(StructureOf(changed));
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
  Notify(StructureOf({}));
}

void Sheet::SetFixedRows(int count) {
  const int fixed = std::clamp(count, 0, std::min(1, RowCount() - 1));
  if (fixed == content_.fixedRows) return;
  content_.fixedRows = fixed;
  Notify(StructureOf({}));
}

TCellAlignment Sheet::Alignment(int col) const {
  return col >= 0 && col < ColCount() ? content_.alignments[col] : ALIGNLEFT;
}

void Sheet::SetAlignment(int col, TCellAlignment alignment) {
  if (col < 0 || col >= ColCount()) ThrowOutOfRange();
  content_.alignments[col] = alignment;
  Notify(LookChange());
}

void Sheet::SetTitleBold(bool bold) {
  content_.flags.TitleFett.Show(bold);
  Notify(LookChange());
}

void Sheet::SetGridLines(bool on) {
  content_.flags.ShowGridLines.Show(on);
  content_.lineWidth = on ? 1 : 0;
  Notify(StructureOf({}));
}

void Sheet::SetSkinName(std::u16string name) {
  skinName_ = std::move(name);
  Notify(LookChange());
}

void Sheet::SetSkinPath(std::u16string path) {
  skinPath_ = std::move(path);
  Notify(LookChange());
}

void Sheet::SetWindowRect(const Rect& rect) {
  if (rect == windowRect_) return;
  windowRect_ = rect;
  Notify({SheetChange::Kind::Window, -1, -1, {}});
}

size_t Sheet::Content::Bytes() const {
  size_t bytes = sizeof(Content) + widths.size() * sizeof(int) + alignments.size();
  for (const std::vector<std::u16string>& row : rows) bytes += RowBytes(row);
  return bytes;
}

size_t Sheet::Content::RowBytes(const std::vector<std::u16string>& cells) {
  size_t bytes = sizeof(cells);
  for (const std::u16string& cell : cells) bytes += sizeof(cell) + cell.size() * sizeof(char16_t);
  return bytes;
}

void Sheet::Restore(const Content& content) {
  content_ = content;
  Notify(StructureOf(RowSpan::All()));
}

void Sheet::Exchange(SheetPatch& patch) {
  const RowSpan rows = patch.Rows();
  SwapIn(content_, patch);
  Notify(StructureOf(rows));
}

void Sheet::AddObserver(SheetObserver& observer) { observers_.push_back(&observer); }

void Sheet::RemoveObserver(SheetObserver& observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer), observers_.end());
}

void Sheet::Notify(SheetChange change) {
  if (batchDepth_ > 0) {
    changedInBatch_ = true;
    rowsInBatch_.Add(change.rows);
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
  const RowSpan rows = sheet_.rowsInBatch_;
  sheet_.rowsInBatch_ = {};
  sheet_.Notify(StructureOf(rows));
}

}  // namespace pendra
