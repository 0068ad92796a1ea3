#include "sheet/SheetHistory.h"

#include <algorithm>

namespace pendra {

namespace {

const std::u16string& CellOf(const std::vector<std::u16string>& cells, int col) {
  static const std::u16string kEmpty;
  return col < static_cast<int>(cells.size()) ? cells[col] : kEmpty;
}

const std::vector<std::u16string>& RowOf(const Sheet::Content& content, int row) {
  static const std::vector<std::u16string> kNone;
  return row < static_cast<int>(content.rows.size()) ? content.rows[row] : kNone;
}

// The first cell, row by row, whose text differs between the content and the patch; with only
// the shape changed, the first cell beyond the smaller shape. Rows the patch does not hold are
// the same in both.
SheetCell FirstDifference(const Sheet::Content& content, const SheetPatch& patch) {
  const std::vector<int>& widths = patch.widths ? *patch.widths : content.widths;
  const std::vector<TCellAlignment>& alignments = patch.look ? patch.look->alignments : content.alignments;
  const int cols = static_cast<int>(std::max(content.widths.size(), widths.size()));
  for (const auto& [row, cells] : patch.rows) {
    const std::vector<std::u16string>& own = RowOf(content, row);
    for (int col = 0; col < cols; ++col) {
      if (CellOf(own, col) != CellOf(cells, col)) return {col, row};
    }
  }
  const int rows = static_cast<int>(content.rows.size());
  if (rows != patch.rowCount) return {0, std::min(rows, patch.rowCount)};
  if (content.widths.size() != widths.size())
    return {static_cast<int>(std::min(content.widths.size(), widths.size())), 1};
  for (size_t col = 0; col < content.alignments.size() && col < alignments.size(); ++col) {
    if (content.alignments[col] != alignments[col] || content.widths[col] != widths[col])
      return {static_cast<int>(col), 1};
  }
  return {};
}

}  // namespace

SheetHistory::SheetHistory(Sheet& sheet) : sheet_(sheet), current_(sheet.Snapshot()) { sheet_.AddObserver(*this); }

SheetHistory::~SheetHistory() { sheet_.RemoveObserver(*this); }

void SheetHistory::SheetChanged(const SheetChange& change) {
  if (restoring_ || change.kind == SheetChange::Kind::Window) return;
  changed_ = true;
  changedRows_.Add(change.rows);
}

SheetPatch SheetHistory::TakeChanges() {
  SheetPatch changes = TakeDifference(current_, sheet_.Contents(), changedRows_);
  changedRows_ = {};
  changed_ = false;
  return changes;
}

void SheetHistory::Reset() {
  undo_.clear();
  redo_.clear();
  bytes_ = 0;
  current_ = sheet_.Snapshot();
  changedRows_ = {};
  changed_ = false;
}

void SheetHistory::Checkpoint() {
  if (!changed_) return;
  SheetPatch step = TakeChanges();
  if (step.Empty()) return;
  bytes_ += step.Bytes();
  undo_.push_back(std::move(step));
  for (const SheetPatch& undone : redo_) bytes_ -= undone.Bytes();
  redo_.clear();
  DropOldest();
}

void SheetHistory::Absorb() {
  if (changed_) TakeChanges();
}

void SheetHistory::DropOldest() {
  while (!undo_.empty() && (undo_.size() > kMaxSteps || bytes_ > kMaxBytes)) {
    bytes_ -= undo_.front().Bytes();
    undo_.pop_front();
  }
}

SheetCell SheetHistory::Move(std::deque<SheetPatch>& from, std::deque<SheetPatch>& to) {
  if (from.empty()) return {};
  SheetPatch step = std::move(from.back());
  from.pop_back();
  const SheetCell cell = FirstDifference(current_, step);
  bytes_ -= step.Bytes();
  restoring_ = true;
  sheet_.Exchange(step);
  restoring_ = false;
  CatchUp(current_, sheet_.Contents(), step);
  bytes_ += step.Bytes();
  to.push_back(std::move(step));
  return cell;
}

SheetCell SheetHistory::Undo() {
  Checkpoint();
  return Move(undo_, redo_);
}

SheetCell SheetHistory::Redo() {
  if (changed_) return {};  // a change since the last step ends what could be redone
  return Move(redo_, undo_);
}

}  // namespace pendra
