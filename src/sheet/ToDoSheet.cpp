#include "sheet/ToDoSheet.h"

namespace pendra {

int AppendToRow(GridModel& grid, int row, const std::u16string& text) {
  if (row < 0 || row >= grid.RowCount()) return -1;
  for (int col = 0; col < grid.ColCount(); ++col) {
    if (grid.Cell(col, row).empty()) {
      grid.SetCell(col, row, text.empty() ? u" " : text);
      return col;
    }
  }
  return -1;
}

void SetColumnCount(GridModel& grid, std::vector<TCellAlignment>& alignments, int count) {
  grid.SetColCount(count);
  ResizeColumnAlignments(alignments, grid.ColCount());
}

void FillFirstSheet(GridModel& grid, std::vector<TCellAlignment>& alignments) {
  for (const char16_t* caption : {u"Prio", u"Aufgabe", u"Zeit"}) AppendToRow(grid, 0, caption);
  for (const char16_t* text : {u"Hoch", u"...Klicken für neue Aufgabe", u"10min"}) AppendToRow(grid, 1, text);
  alignments = {ALIGNCENTER, ALIGNLEFT, ALIGNCENTER};
}

}  // namespace pendra
