#include "ui/AccessibleNames.h"

#include "lang/Texts.h"

namespace pendra {

namespace {

bool Blank(const std::u16string& text) { return text.find_first_not_of(u' ') == std::u16string::npos; }

}  // namespace

std::u16string AccessibleCaption(const Sheet& sheet, int col) {
  const std::u16string& caption = sheet.Cell(col, 0);
  return Blank(caption) ? AccessibleColumnName(col) : caption;
}

std::u16string AccessibleCellName(const Sheet& sheet, int col, int row) {
  if (row == 0) return AccessibleCaption(sheet, col);
  const std::u16string& text = sheet.Cell(col, row);
  return AccessibleCaption(sheet, col) + u": " + (Blank(text) ? std::u16string(kAccessibleEmptyCell) : text);
}

std::u16string AccessibleRowName(const Sheet& sheet, int row) {
  std::u16string name;
  for (int col = 0; col < sheet.ColCount(); ++col) {
    if (col > 0) name += u", ";
    name += AccessibleCellName(sheet, col, row);
  }
  return name;
}

// The title row's editor edits the caption itself: it is called by the column's number.
std::u16string AccessibleEditorName(const Sheet& sheet, int col, int row) {
  return row == 0 ? AccessibleColumnName(col) : AccessibleCaption(sheet, col);
}

}  // namespace pendra
