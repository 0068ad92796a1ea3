#include "sheet/SheetHistory.h"

#include <algorithm>

namespace pendra {

namespace {

const std::u16string& CellOf(const Sheet::Content& content, int col, int row) {
  static const std::u16string kEmpty;
  if (row >= static_cast<int>(content.rows.size())) return kEmpty;
  const std::vector<std::u16string>& cells = content.rows[row];
  return col < static_cast<int>(cells.size()) ? cells[col] : kEmpty;
}

// The first cell, row by row, whose text differs; with only the shape changed, the first cell
// beyond the smaller shape.
SheetCell FirstDifference(const Sheet::Content& a, const Sheet::Content& b) {
  const int rows = static_cast<int>(std::max(a.rows.size(), b.rows.size()));
  const int cols = static_cast<int>(std::max(a.widths.size(), b.widths.size()));
  for (int row = 0; row < rows; ++row) {
    for (int col = 0; col < cols; ++col) {
      if (CellOf(a, col, row) != CellOf(b, col, row)) return {col, row};
    }
  }
  if (a.rows.size() != b.rows.size()) return {0, static_cast<int>(std::min(a.rows.size(), b.rows.size()))};
  if (a.widths.size() != b.widths.size()) return {static_cast<int>(std::min(a.widths.size(), b.widths.size())), 1};
  for (size_t col = 0; col < a.alignments.size() && col < b.alignments.size(); ++col) {
    if (a.alignments[col] != b.alignments[col] || a.widths[col] != b.widths[col]) return {static_cast<int>(col), 1};
  }
  return {};
}

}  // namespace

SheetHistory::SheetHistory(Sheet& sheet) : sheet_(sheet), current_(sheet.Snapshot()) { sheet_.AddObserver(*this); }

SheetHistory::~SheetHistory() { sheet_.RemoveObserver(*this); }

void SheetHistory::SheetChanged(const SheetChange& change) {
  if (!restoring_ && change.kind != SheetChange::Kind::Window) changed_ = true;
}

void SheetHistory::Reset() {
  undo_.clear();
  redo_.clear();
  bytes_ = 0;
  current_ = sheet_.Snapshot();
  changed_ = false;
}

void SheetHistory::Checkpoint() {
  if (!changed_) return;
  changed_ = false;
  Sheet::Content now = sheet_.Snapshot();
  if (now == current_) return;
  bytes_ += current_.Bytes();
  undo_.push_back(std::move(current_));
  current_ = std::move(now);
  for (const Sheet::Content& step : redo_) bytes_ -= step.Bytes();
  redo_.clear();
  DropOldest();
}

void SheetHistory::Absorb() {
  if (!changed_) return;
  changed_ = false;
  current_ = sheet_.Snapshot();
}

void SheetHistory::DropOldest() {
  while (!undo_.empty() && (undo_.size() > kMaxSteps || bytes_ > kMaxBytes)) {
    bytes_ -= undo_.front().Bytes();
    undo_.pop_front();
  }
}

SheetCell SheetHistory::Move(std::deque<Sheet::Content>& from, std::deque<Sheet::Content>& to) {
  if (from.empty()) return {};
  Sheet::Content target = std::move(from.back());
  from.pop_back();
  const SheetCell cell = FirstDifference(current_, target);
  bytes_ += current_.Bytes();
  bytes_ -= target.Bytes();
  to.push_back(std::move(current_));
  current_ = std::move(target);
  restoring_ = true;
  sheet_.Restore(current_);
  restoring_ = false;
  changed_ = false;
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
