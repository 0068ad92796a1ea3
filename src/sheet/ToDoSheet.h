#pragma once
// Rules of the to-do sheet held by the grid: filling rows and setting counts so that the
// alignment list keeps one entry per column.
#include <string>
#include <vector>

#include "sheet/Sheet.h"
#include "ui/GridModel.h"

namespace pendra {

// Puts the text into the first empty cell of the row (an empty text as one blank, so that
// it fills the cell) and returns its column; -1 when the row has no empty cell or is not
// part of the grid (a file with more task rows than it says drops the surplus rows).
int AppendToRow(GridModel& grid, int row, const std::u16string& text);

// Sets the column count and resizes the alignments to the count the grid then has.
void SetColumnCount(GridModel& grid, std::vector<TCellAlignment>& alignments, int count);

// The captions and the example task of a first sheet, and its alignments.
void FillFirstSheet(GridModel& grid, std::vector<TCellAlignment>& alignments);

}  // namespace pendra
