#include "ui/PopupMenuRules.h"

namespace pendra {

PopupMenuState PopupMenuPopup(const GridModel& grid) {
  const Sheet& sheet = grid.TheSheet();
  PopupMenuState state;
  state.addRow = sheet.RowCount() < kMenuRowLimit;
  state.deleteRow = sheet.RowCount() > 2;
  state.addColumn = sheet.ColCount() < kMenuColumnLimit;
  state.deleteColumn = sheet.ColCount() > 1;
  state.thisColumn = grid.HasCurrentCell();
  if (state.thisColumn) state.checkedAlignment = sheet.Alignment(grid.CurrentCell().col);
  return state;
}

bool EndsTitleEditing(const GridModel& grid) {
  return grid.FixedRows() == 0 && grid.HasCurrentCell() && grid.CurrentCell().row > 0;
}

void SeedFirstWheelStep(GridModel& grid, bool& wheelSeeded) {
  if (wheelSeeded) return;
  wheelSeeded = true;
  grid.SetCurrentCell({0, 1});
}

}  // namespace pendra
