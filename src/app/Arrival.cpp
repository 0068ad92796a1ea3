#include "app/Arrival.h"

#include <utility>

namespace pendra {

namespace {

int Mapped(const std::vector<int>& to, int index) {
  return index >= 0 && index < static_cast<int>(to.size()) ? to[static_cast<size_t>(index)] : -1;
}

}  // namespace

SheetMerge TakeInArrivedVersion(const ArrivedVersion& arrived, Sheet& sheet, DataFileState& state, EditSession& edits,
                                GridModel& grid) {
  const bool editing = grid.IsEditing();
  const GridCell current = grid.CurrentCell();
  SheetMerge merge = MergeSheets(state.Base, sheet.Snapshot(), arrived.content);
  const GridCell moved{Mapped(merge.mineColTo, current.col), Mapped(merge.mineRowTo, current.row)};
  // What the editor shows is the cell's text: the other version's change of it does not come in.
  if (editing && moved.col >= 0 && moved.row >= 0) {
    std::vector<std::u16string>& cells = merge.content.rows[static_cast<size_t>(moved.row)];
    const std::u16string& typed = sheet.Cell(current.col, current.row);
    if (cells.size() <= static_cast<size_t>(moved.col)) cells.resize(static_cast<size_t>(moved.col) + 1);
    if (cells[static_cast<size_t>(moved.col)] != typed) {
      cells[static_cast<size_t>(moved.col)] = typed;
      ++merge.otherTextsLost;
    }
  }
  state.Base = arrived.content;
  state.DataFileSeen = arrived.stamp;
  edits.Arrived([&] { sheet.Restore(merge.content); });
  grid.Follow(moved, editing);
  return merge;
}

}  // namespace pendra
