#pragma once
// A part of the sheet's content: the row count, the texts of some rows and, when they differ,
// the column widths, and the alignments, fixed title row and flags. A step of the history is
// the patch of the state on the step's other side; swapped in, a patch turns a content into
// that state and keeps the state it replaced, so that undo and redo are one exchange, exact
// whatever the step was.
#include <optional>
#include <utility>
#include <vector>

#include "sheet/Sheet.h"

namespace pendra {

// Everything of the content but the cells and the widths.
struct SheetLook {
  std::vector<TCellAlignment> alignments;
  int fixedRows = 1;
  SheetFlags flags;
  int lineWidth = 1;
};

struct SheetPatch {
  int rowCount = 0;
  // Ascending by row. A row beyond the row count is empty here and absent in the content.
  std::vector<std::pair<int, std::vector<std::u16string>>> rows;
  std::optional<std::vector<int>> widths;
  std::optional<SheetLook> look;

  // Nothing of the content differs.
  bool Empty() const { return rows.empty() && !widths && !look; }
  // From its first row up to beyond its last.
  RowSpan Rows() const;
  // About the memory it takes.
  size_t Bytes() const;
};

// Where `now` differs from `kept` as a patch of `kept`'s state, which becomes `now`'s. Compares
// the widths, the look and the rows of `changed` (and those beyond the smaller row count): a
// row outside them is the same in both.
SheetPatch TakeDifference(Sheet::Content& kept, const Sheet::Content& now, RowSpan changed);

// Exchanges the patch's part with the content's own.
void SwapIn(Sheet::Content& content, SheetPatch& patch);

// Makes `kept` equal to `now` where the patch holds a part: after `now` took the patch in.
void CatchUp(Sheet::Content& kept, const Sheet::Content& now, const SheetPatch& patch);

}  // namespace pendra
