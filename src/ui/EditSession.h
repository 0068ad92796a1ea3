#pragma once
// The user's editing of the sheet as undo sees it, in one place: where each step of the user
// begins, which changes are no step of their own, and what a key does before the grid's own
// handling. One action of the user is one step, and a cell's whole edit is one.
#include "sheet/SheetHistory.h"
#include "ui/GridModel.h"
#include "ui/SheetKeys.h"

namespace pendra {

class EditSession {
 public:
  explicit EditSession(Sheet& sheet) : history_(sheet) {}

  // From here on every step can be taken back; what came before is the sheet as it is.
  void Begin() { history_.Reset(); }
  // A command of the menu or of a button is a step of its own.
  void Command() { history_.Checkpoint(); }
  // A key or a mouse press begins a new step, unless it belongs to the edit of a cell.
  void Input(const GridModel& grid) {
    if (!grid.IsEditing()) history_.Checkpoint();
  }
  // A key's step begins, and what the key does outside the grid's own handling.
  SheetKeyAction Key(const GridModel& grid, int key, bool ctrl, bool shift) {
    Input(grid);
    return DecideSheetKey(key, ctrl, shift, grid.IsEditing(), grid.HasCurrentCell());
  }
  // A change the program makes by itself (the columns fitted to a new size, the display's scale
  // followed, a blank cell emptied on entering) ends the step before it and is no step itself.
  template <typename Change>
  void Absorbed(Change&& change) {
    history_.Checkpoint();
    change();
    history_.Absorb();
  }

  // Another version of the sheet arrived and was merged in: a step of its own, also in the middle
  // of a cell's edit.
  template <typename Change>
  void Arrived(Change&& change) {
    history_.Checkpoint();
    change();
    history_.Checkpoint();
  }

  // A cell the step changed, or (-1, -1).
  SheetCell Undo() { return history_.Undo(); }
  SheetCell Redo() { return history_.Redo(); }

 private:
  SheetHistory history_;
};

}  // namespace pendra
