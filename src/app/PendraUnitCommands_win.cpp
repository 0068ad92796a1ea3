// The sheet commands of the plus/minus buttons.
#include "app/PendraUnit_win.h"
#include "ui/SheetCommands.h"

namespace pendra {

void TToDoForm::mnuAddRowClick() {
  AddRow(ToDoGrid.Model());
  RepaintAfterCommand();
}

void TToDoForm::mnuDeleteRowClick() {
  ToDoGrid.Model().EndEditing();
  ToDoGrid.Repaint();
  DeleteRow(ToDoGrid.Model(), [this](const std::u16string& text, const std::u16string& title) {
    return ShowYesAndNoDialogBox(text, title);
  });
  RepaintAfterCommand();
}

void TToDoForm::mnuAddColumnClick() {
  AddColumn(ToDoGrid.Model(), state_.ColumnAlignments);
  AdjustColumnWidths();
  RepaintAfterCommand();
}

void TToDoForm::mnuDeleteColumnClick() {
  ToDoGrid.Model().EndEditing();
  ToDoGrid.Repaint();
  bool deleted = DeleteColumn(
      ToDoGrid.Model(), state_.ColumnAlignments,
      [this](const std::u16string& text, const std::u16string& title) { return ShowYesAndNoDialogBox(text, title); });
  if (deleted) AdjustColumnWidths();
  RepaintAfterCommand();
}

void TToDoForm::RepaintAfterCommand() {
  ToDoGrid.Repaint();
  RepaintPlusMinusHolders();
}

}  // namespace pendra
