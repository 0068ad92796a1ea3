#pragma once
// The names screen readers say for the sheet: a cell says its column's caption and its text
// ("Aufgabe: Zahnarzt & Steuer"), a title cell its caption, a row its cells one after the other,
// and the cell editor the caption of the column it edits. A text of blanks only is an empty one,
// and a column without a caption is called by its number.
#include <string>

#include "sheet/Sheet.h"

namespace pendra {

std::u16string AccessibleCaption(const Sheet& sheet, int col);
std::u16string AccessibleCellName(const Sheet& sheet, int col, int row);
std::u16string AccessibleRowName(const Sheet& sheet, int row);
std::u16string AccessibleEditorName(const Sheet& sheet, int col, int row);

}  // namespace pendra
