#include "sheet/SheetRows.h"

#include <algorithm>

namespace pendra {

namespace {

const SheetRows::Row kEmptyRow;

}  // namespace

const SheetRows::Row& SheetRows::RowOf(const std::shared_ptr<Row>& row) { return row ? *row : kEmptyRow; }

SheetRows::SheetRows(std::initializer_list<Row> rows) {
  rows_.reserve(rows.size());
  for (const Row& cells : rows) push_back(cells);
}

SheetRows::Row& SheetRows::Edit(size_t row) {
  std::shared_ptr<Row>& cells = rows_[row];
  if (!cells) {
    cells = std::make_shared<Row>();
  } else if (cells.use_count() > 1) {
    cells = std::make_shared<Row>(*cells);
  }
  return *cells;
}

void SheetRows::Exchange(size_t row, Row& cells) {
  std::shared_ptr<Row>& held = rows_[row];
  if (held && held.use_count() == 1) {
    held->swap(cells);
    return;
  }
  Row before = RowOf(held);
  held = Held(std::move(cells));
  cells = std::move(before);
}

std::shared_ptr<SheetRows::Row> SheetRows::Held(Row cells) {
  return cells.empty() ? nullptr : std::make_shared<Row>(std::move(cells));
}

void SheetRows::push_back(Row cells) { rows_.push_back(Held(std::move(cells))); }

void SheetRows::Insert(size_t row, Row cells) {
  rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(row), Held(std::move(cells)));
}

bool SheetRows::operator==(const SheetRows& other) const {
  return std::equal(
      rows_.begin(), rows_.end(), other.rows_.begin(), other.rows_.end(),
      [](const std::shared_ptr<Row>& a, const std::shared_ptr<Row>& b) { return a == b || RowOf(a) == RowOf(b); });
}

}  // namespace pendra
