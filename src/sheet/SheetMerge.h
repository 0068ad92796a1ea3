#pragma once
// Three versions of a sheet merged into one: the base (the version this run last read or
// wrote), this run's, and the other's (the data file as another program or another PC wrote
// it). Columns are matched by caption and tasks by their texts as a line merge matches lines,
// so that a task or column added or deleted on one side does not shift the other side's
// edits; where both sides changed a task, its cells merge one by one, and so do a column's
// caption, width and alignment. A cell changed differently on both sides keeps this run's
// text. Tasks or columns both sides added at one place go in the same order whichever side
// merges, so that two PCs merging each other's version end with the same sheet. Only the content
// merges; the window and the skin are each run's own.
#include <vector>

#include "sheet/Sheet.h"

namespace pendra {

struct SheetMerge {
  Sheet::Content content;
  // For each row and column of this run's version, where it is in the merged one; -1 where it
  // went.
  std::vector<int> mineRowTo;
  std::vector<int> mineColTo;
  // Texts of the other version that the merge does not hold: cells changed differently on both
  // sides, and the other's changes in a column or task this run deleted.
  int otherTextsLost = 0;
};

SheetMerge MergeSheets(const Sheet::Content& base, const Sheet::Content& mine, const Sheet::Content& other);

// A cell saved empty loads holding one blank, and entering a blank cell empties it: to a merge, a
// text of blanks and control characters is an empty cell.
bool IsBlank(const std::u16string& text);
// Adds a cell's text to the key of its row, its length first, so that no two rows of different
// texts share a key; a blank text adds as an empty one.
void AddToRowKey(std::u16string& key, const std::u16string& text);

// Whether two versions hold the same sheet: a row's empty cells at its end count as none, as the
// data file does not tell them apart.
bool SameSheet(const Sheet::Content& a, const Sheet::Content& b);

}  // namespace pendra
