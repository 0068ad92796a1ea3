// The main window's part in the grid's keys and mouse: whole-cell copy, cut and paste,
// Escape and Delete, undo and redo, blank cells emptied as they are entered, the end of title
// editing, refitting by a double-click on the title band, the first wheel step, the popup menu.
#include <algorithm>

#include "app/PendraUnit_win.h"
#include "platform/Clipboard_win.h"
#include "sheet/SheetRules.h"
#include "ui/ColumnFitting.h"
#include "ui/PopupMenuRules.h"
#include "ui/SheetKeys.h"

namespace pendra {

// Entering a cell ends the edit of the cell left (a step); emptying a blank cell is none.
bool TToDoForm::SelectCell(int col, int row) {
  edits_.Absorbed([&] { EmptyIfBlank(sheet_, col, row); });
  return true;
}

void TToDoForm::Click() {
  GridModel& grid = ToDoGrid.Model();
  if (EndsTitleEditing(grid)) grid.SetFixedRows(1);
  RepaintPlusMinusHolders();
}

// A double-click on the fixed title band fits the columns again.
void TToDoForm::DblClick() {
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(ToDoGrid.Handle(), &cursor);
  const GridModel& grid = ToDoGrid.Model();
  if (cursor.y < grid.DefaultRowHeight() && grid.FixedRows() > 0) AdjustColumnWidths();
}

// The right button opens the menu at the cursor; the current cell stays.
void TToDoForm::MouseDown(GridMouseButton button, int, int) {
  edits_.Input(ToDoGrid.Model());
  if (button == GridMouseButton::Right) OpenPopupMenuAtCursor();
}

void TToDoForm::MouseUp(GridMouseButton, int, int) { RepaintPlusMinusHolders(); }

void TToDoForm::KeyDown(int key, bool ctrl) { OnKeyDown(key, ctrl); }

bool TToDoForm::Wheel(int) {
  SeedFirstWheelStep(ToDoGrid.Model(), state_.WheelSeeded);
  return false;
}

// Acts before the grid's own handling and never takes the key away from it.
void TToDoForm::OnKeyDown(int key, bool ctrl) {
  if (waitingForDataFile_) return;
  GridModel& grid = ToDoGrid.Model();
  switch (edits_.Key(grid, key, ctrl, GetKeyState(VK_SHIFT) < 0)) {
    case SheetKeyAction::None: break;
    case SheetKeyAction::CopyCell: CopyCurrentCell(false); break;
    case SheetKeyAction::CutCell: CopyCurrentCell(true); break;
    case SheetKeyAction::PasteCell: PasteIntoCurrentCell(); break;
    case SheetKeyAction::LeaveEditing: grid.ClearSelection(); break;
    case SheetKeyAction::RedBar: ImageRedButtonAufklapperClick(); break;
    case SheetKeyAction::EmptyCell: sheet_.SetCell(grid.CurrentCell().col, grid.CurrentCell().row, u""); break;
    case SheetKeyAction::Undo: TakeBack(false); break;
    case SheetKeyAction::Redo: TakeBack(true); break;
  }
}

void TToDoForm::TakeBack(bool redo) {
  const SheetCell changed = redo ? edits_.Redo() : edits_.Undo();
  GridModel& grid = ToDoGrid.Model();
  if (changed.row >= 0) {
    // The changed cell, or the nearest one that can be current.
    const int row = std::clamp(changed.row, grid.FixedRows(), grid.RowCount() - 1);
    const int col = std::clamp(changed.col, 0, grid.ColCount() - 1);
    grid.SetCurrentCell({col, row});
  }
  // The widths come back exactly as they were; only the scroll bars follow the column count.
  ToDoGrid.SetScrollBarsAllowed(AllowedScrollBars(sheet_.ColCount()));
}

void TToDoForm::CopyCurrentCell(bool cut) {
  const GridCell cell = ToDoGrid.Model().CurrentCell();
  const std::u16string text = sheet_.Cell(cell.col, cell.row);
  if (text.empty()) return;
  SetClipboardText(Handle(), text);
  if (cut) sheet_.SetCell(cell.col, cell.row, u"");
}

// The clipboard's text on one line; a clipboard without text empties the cell.
void TToDoForm::PasteIntoCurrentCell() {
  const GridCell cell = ToDoGrid.Model().CurrentCell();
  const std::u16string text = ClipboardText(Handle()).value_or(u"");
  std::u16string line;
  Guarded(*this, u"DeleteLineBreaks", [&] { line = DeleteLineBreaks(text); });
  sheet_.SetCell(cell.col, cell.row, line);
}

}  // namespace pendra
