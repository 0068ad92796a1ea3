#pragma once
// What the main window does with a key before the grid's own handling: copy, cut and paste
// of whole cells outside editing, Escape, and Delete. It never takes a key away from the grid.
namespace pendra {

enum class SheetKeyAction {
  None,
  CopyCell,      // Ctrl+C: a non-empty cell's text to the clipboard
  CutCell,       // Ctrl+X: the same, then the cell is emptied
  PasteCell,     // Ctrl+V: the clipboard's text, on one line, into the cell
  LeaveEditing,  // Escape while editing: the selection is cleared (the typed text stays)
  RedBar,        // Escape outside editing: what a click on the red bar does
  EmptyCell,     // Delete (also with Ctrl)
  Undo,          // Ctrl+Z outside editing (inside, the editor's own undo)
  Redo,          // Ctrl+Y or Ctrl+Shift+Z outside editing
};

// Ctrl counts among the modifiers, and Shift only to tell redo from undo. The cell actions
// need a current cell and no editing.
SheetKeyAction DecideSheetKey(int key, bool ctrl, bool shift, bool editing, bool hasCurrentCell);

// On the collapsed strip, which has the keys without a grid, Enter and Space unfold it, as a press
// of a button does.
bool UnfoldsStrip(int key, bool ctrl);

}  // namespace pendra
