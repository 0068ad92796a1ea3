// The sheet commands of the plus/minus buttons. The grid and the holders repaint on the
// sheet's change signal.
#include "app/PendraUnit_win.h"
#include "sheet/SheetRules.h"

namespace pendra {

void TToDoForm::mnuAddRowClick() { AddRow(sheet_); }

void TToDoForm::mnuDeleteRowClick() {
  ToDoGrid.Model().EndEditing();
  DeleteRow(sheet_, [this](const std::u16string& text, const std::u16string& title) {
    return ShowYesAndNoDialogBox(text, title);
  });
}

void TToDoForm::mnuAddColumnClick() {
  AddColumn(sheet_);
  AdjustColumnWidths();
}

void TToDoForm::mnuDeleteColumnClick() {
  ToDoGrid.Model().EndEditing();
  const bool deleted = DeleteColumn(sheet_, [this](const std::u16string& text, const std::u16string& title) {
    return ShowYesAndNoDialogBox(text, title);
  });
  if (deleted) AdjustColumnWidths();
}

}  // namespace pendra
