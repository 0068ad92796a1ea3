#pragma once
// The rules that change the sheet as a whole: filling a row, the first sheet, and the four
// structure commands, which always work on the last row or column. A delete asks first when
// the doomed cells hold text; the window answers with its yes/no box. None of them saves.
#include <functional>
#include <string>

#include "sheet/Sheet.h"

namespace pendra {

// Shows a yes/no question with the text and title; true when the user answers Yes.
using AskYesNo = std::function<bool(const std::u16string& text, const std::u16string& title)>;

// Puts the text into the first empty cell of the row (an empty text as one blank, so that
// it fills the cell) and returns its column; -1 when the row has no empty cell or is not
// part of the sheet (a file with more task rows than it says drops the surplus rows).
int AppendToRow(Sheet& sheet, int row, const std::u16string& text);

// The captions and the example task of a first sheet, and its alignments.
void FillFirstSheet(Sheet& sheet);

// The text without leading and trailing blanks and control characters (code 32 and below).
std::u16string TrimmedCellText(const std::u16string& text);

// The text on one line: every carriage return and line feed becomes a blank, then the trailing
// blanks and control characters (code 32 and below) go. Leading blanks stay.
std::u16string DeleteLineBreaks(std::u16string text);

// A cell holding only blanks and control characters is emptied as it is entered.
void EmptyIfBlank(Sheet& sheet, int col, int row);

// Appends an empty last row. False when the sheet cannot grow.
bool AddRow(Sheet& sheet);

// Removes the last row after asking (when it holds text). With only one row left its cells are
// emptied and the row stays. False when the answer was No.
bool DeleteRow(Sheet& sheet, const AskYesNo& ask);

// Appends an empty last column: the old last column and the new one each get half the old
// width less 1, and the new alignment is ALIGNLEFT. The caller then fits the columns
// (AdjustColumnWidths). False, and nothing changed, when the sheet cannot grow.
bool AddColumn(Sheet& sheet);

// Removes the last column, caption included, after asking (when it holds text), and its
// alignment. With only one column its cells are emptied and the column and its alignment stay.
// False when the answer was No. The caller then fits the columns (AdjustColumnWidths).
bool DeleteColumn(Sheet& sheet, const AskYesNo& ask);

}  // namespace pendra
