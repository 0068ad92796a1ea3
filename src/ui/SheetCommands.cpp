#include "ui/SheetCommands.h"

#include "sheet/ToDoSheet.h"

namespace pendra {

namespace {

constexpr char16_t kDeleteTitle[] = u"Achtung";
constexpr char16_t kDeleteRowQuestion[] = u"Möchten Sie die Zeile wirklich löschen?\r\nInhalt: ";
constexpr char16_t kDeleteColumnQuestion[] = u"Möchten Sie die Spalte wirklich löschen?\r\nInhalt: ";

bool IsBlankOrControl(char16_t c) { return c <= u' '; }

// Collects the trimmed, non-empty texts of the cells into the question. Asks only when one
// was found; true when the cells may go.
bool ConfirmDelete(std::u16string question, const std::vector<std::u16string>& cells, const AskYesNo& ask) {
  bool found = false;
  for (const std::u16string& cell : cells) {
    const std::u16string text = TrimmedCellText(cell);
    if (text.empty()) continue;
    if (found) question += u", ";
    question += text;
    found = true;
  }
  return !found || ask(question, kDeleteTitle);
}

}  // namespace

std::u16string TrimmedCellText(const std::u16string& text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && IsBlankOrControl(text[first])) ++first;
  while (last > first && IsBlankOrControl(text[last - 1])) --last;
  return text.substr(first, last - first);
}

bool AddRow(GridModel& grid) {
  const int rows = grid.RowCount();
  grid.SetRowCount(rows + 1);
  return grid.RowCount() > rows;
}

bool DeleteRow(GridModel& grid, const AskYesNo& ask) {
  const int last = grid.RowCount() - 1;
  std::vector<std::u16string> cells;
  for (int col = 0; col < grid.ColCount(); ++col) cells.push_back(grid.Cell(col, last));
  if (!ConfirmDelete(kDeleteRowQuestion, cells, ask)) return false;
  for (int col = 0; col < grid.ColCount(); ++col) grid.SetCell(col, last, u"");
  grid.SetRowCount(last);
  return true;
}

bool AddColumn(GridModel& grid, std::vector<TCellAlignment>& alignments) {
  const int last = grid.ColCount() - 1;
  if (last + 1 >= GridModel::kMaxColCount) return false;
  const int halfWidth = grid.ColWidth(last) / 2 - 1;
  grid.SetColWidth(last, halfWidth);
  SetColumnCount(grid, alignments, last + 2);
  grid.SetColWidth(last + 1, halfWidth);
  return true;
}

bool DeleteColumn(GridModel& grid, std::vector<TCellAlignment>& alignments, const AskYesNo& ask) {
  const int last = grid.ColCount() - 1;
  std::vector<std::u16string> cells;
  for (int row = 0; row < grid.RowCount(); ++row) cells.push_back(grid.Cell(last, row));
  if (!ConfirmDelete(kDeleteColumnQuestion, cells, ask)) return false;
  for (int row = 0; row < grid.RowCount(); ++row) grid.SetCell(last, row, u"");
  SetColumnCount(grid, alignments, last);
  return true;
}

}  // namespace pendra
