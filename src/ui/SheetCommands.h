#pragma once
// The four commands that change the sheet's structure: add and delete a row, add and delete a
// column. They always work on the last row or column. A delete asks first when the doomed
// cells hold text; the window answers the question with its yes/no box. None of them saves.
#include <functional>
#include <string>
#include <vector>

#include "sheet/Sheet.h"
#include "ui/GridModel.h"

namespace pendra {

// Shows a yes/no question with the text and title; true when the user answers Yes.
using AskYesNo = std::function<bool(const std::u16string& text, const std::u16string& title)>;

// The text without leading and trailing blanks and control characters (code 32 and below).
std::u16string TrimmedCellText(const std::u16string& text);

// Appends an empty last row. False when the grid cannot grow.
bool AddRow(GridModel& grid);

// Removes the last row after asking (when it holds text). With only one row left its cells are
// emptied and the row stays. False when the answer was No.
bool DeleteRow(GridModel& grid, const AskYesNo& ask);

// Appends an empty last column: the old last column and the new one each get half the old
// width less 1, and the new alignment is ALIGNLEFT. The caller then fits the columns
// (AdjustColumnWidths). False, and nothing changed, when the grid cannot grow.
bool AddColumn(GridModel& grid, std::vector<TCellAlignment>& alignments);

// Removes the last column, caption included, after asking (when it holds text), and its
// alignment. With only one column its cells are emptied and the column and its alignment stay.
// False when the answer was No. The caller then fits the columns (AdjustColumnWidths).
bool DeleteColumn(GridModel& grid, std::vector<TCellAlignment>& alignments, const AskYesNo& ask);

}  // namespace pendra
