#pragma once
// The rules of the popup menu as it opens, and of title editing.
#include "sheet/Sheet.h"
#include "ui/GridModel.h"

namespace pendra {

// The menu offers adding rows and columns only up to these counts; the picture buttons do not
// look at them.
inline constexpr int kMenuRowLimit = 100;
inline constexpr int kMenuColumnLimit = 100;

struct PopupMenuState {
  bool addRow = false;
  bool deleteRow = false;  // the title row and at least two task rows
  bool addColumn = false;
  bool deleteColumn = false;
  // The column submenu needs a current cell; its radio item follows the cell's column.
  bool thisColumn = false;
  TCellAlignment checkedAlignment = ALIGNLEFT;
  bool operator==(const PopupMenuState&) const = default;
};

PopupMenuState PopupMenuPopup(const GridModel& grid);

// Title editing (the title row not fixed) ends when the current cell is in a task row.
bool EndsTitleEditing(const GridModel& grid);

// The first wheel step of the run puts the current cell on (0, 1) before the grid moves it.
void SeedFirstWheelStep(GridModel& grid, bool& wheelSeeded);

}  // namespace pendra
