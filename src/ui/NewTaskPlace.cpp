#include "ui/NewTaskPlace.h"

#include "sheet/SheetMerge.h"
#include "ui/PopupMenuRules.h"

namespace pendra {

namespace {

// The leftmost of the widest columns.
int WidestColumn(const Sheet& sheet) {
  int widest = 0;
  for (int col = 1; col < sheet.ColCount(); ++col) {
    if (sheet.ColWidth(col) > sheet.ColWidth(widest)) widest = col;
  }
  return widest;
}

// A cell of blanks and control characters counts as empty, as entering it would empty it.
bool IsEmptyRow(const Sheet& sheet, int row) {
  for (int col = 0; col < sheet.ColCount(); ++col) {
    if (!IsBlank(sheet.Cell(col, row))) return false;
  }
  return true;
}

}  // namespace

NewTaskPlace FindNewTaskPlace(const Sheet& sheet) {
  if (sheet.ColCount() < 1) return {};
  const int col = WidestColumn(sheet);
  for (int row = 1; row < sheet.RowCount(); ++row) {
    if (IsEmptyRow(sheet, row)) return {{col, row}, false};
  }
  if (sheet.RowCount() >= kMenuRowLimit) return {};
  return {{col, sheet.RowCount()}, true};
}

}  // namespace pendra
