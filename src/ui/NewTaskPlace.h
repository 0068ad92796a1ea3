#pragma once
// Where a new task is typed when the summon key brings the window: the first task row whose
// cells are all empty, in the widest column (the one the tasks' texts go in); a new last row when
// every task row holds text and the menu would still add one.
#include "sheet/Sheet.h"
#include "ui/GridModel.h"

namespace pendra {

struct NewTaskPlace {
  // The cell; no cell (-1, -1) when every row holds text and no row may be added.
  GridCell cell;
  // The cell lies in a row that is to be added first.
  bool addRow = false;
  bool operator==(const NewTaskPlace&) const = default;
};

NewTaskPlace FindNewTaskPlace(const Sheet& sheet);

}  // namespace pendra
