#include "sheet/SheetRules.h"

#include <vector>

#include "lang/Texts.h"

namespace pendra {

namespace {

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

int AppendToRow(Sheet& sheet, int row, const std::u16string& text) {
  if (row < 0 || row >= sheet.RowCount()) return -1;
  for (int col = 0; col < sheet.ColCount(); ++col) {
    if (sheet.Cell(col, row).empty()) {
      sheet.SetCell(col, row, text.empty() ? u" " : text);
      return col;
    }
  }
  return -1;
}

void FillFirstSheet(Sheet& sheet) {
  Sheet::Batch batch(sheet);
  for (const char16_t* caption : kFirstSheetCaptions) AppendToRow(sheet, 0, caption);
  for (const char16_t* text : kFirstSheetTask) AppendToRow(sheet, 1, text);
  const TCellAlignment alignments[] = {ALIGNCENTER, ALIGNLEFT, ALIGNCENTER};
  for (int col = 0; col < 3 && col < sheet.ColCount(); ++col) sheet.SetAlignment(col, alignments[col]);
}

std::u16string TrimmedCellText(const std::u16string& text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && IsBlankOrControl(text[first])) ++first;
  while (last > first && IsBlankOrControl(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::u16string DeleteLineBreaks(std::u16string text) {
  for (char16_t& c : text) {
    if (c == u'\r' || c == u'\n') c = u' ';
  }
  while (!text.empty() && IsBlankOrControl(text.back())) text.pop_back();
  return text;
}

void EmptyIfBlank(Sheet& sheet, int col, int row) {
  if (TrimmedCellText(sheet.Cell(col, row)).empty()) sheet.SetCell(col, row, u"");
}

bool AddRow(Sheet& sheet) {
  const int rows = sheet.RowCount();
  sheet.SetRowCount(rows + 1);
  return sheet.RowCount() > rows;
}

bool DeleteRow(Sheet& sheet, const AskYesNo& ask) {
  const int last = sheet.RowCount() - 1;
  std::vector<std::u16string> cells;
  for (int col = 0; col < sheet.ColCount(); ++col) cells.push_back(sheet.Cell(col, last));
  if (!ConfirmDelete(kDeleteRowQuestion, cells, ask)) return false;
  Sheet::Batch batch(sheet);
  for (int col = 0; col < sheet.ColCount(); ++col) sheet.SetCell(col, last, u"");
  sheet.SetRowCount(last);
  return true;
}

bool AddColumn(Sheet& sheet) {
  const int last = sheet.ColCount() - 1;
  if (last + 1 >= Sheet::kMaxColCount) return false;
  const int halfWidth = sheet.ColWidth(last) / 2 - 1;
  Sheet::Batch batch(sheet);
  sheet.SetColWidth(last, halfWidth);
  sheet.SetColCount(last + 2);
  sheet.SetColWidth(last + 1, halfWidth);
  return true;
}

bool DeleteColumn(Sheet& sheet, const AskYesNo& ask) {
  const int last = sheet.ColCount() - 1;
  std::vector<std::u16string> cells;
  for (int row = 0; row < sheet.RowCount(); ++row) cells.push_back(sheet.Cell(last, row));
  if (!ConfirmDelete(kDeleteColumnQuestion, cells, ask)) return false;
  Sheet::Batch batch(sheet);
  for (int row = 0; row < sheet.RowCount(); ++row) sheet.SetCell(last, row, u"");
  sheet.SetColCount(last);
  return true;
}

}  // namespace pendra
