#pragma once
// The to-do grid as screen readers see it: a table (the grid's client area) of rows, each row of
// cells; the title row's cells are column headers. A cell is named after its column's caption
// and its text (AccessibleNames.h), has the text as its value, reports where it is on the screen
// and whether it is the current cell and has the focus; selecting it makes it current, setting
// its value writes its text, and its default action opens the editor on it.
//
// For events the grid names a cell by an id of its own (CellEventId), which the table resolves
// to the cell's object.
#include <windows.h>

#include <string>

#include "ui/Accessible_win.h"
#include "ui/GridModel.h"

namespace pendra {

// What the accessible objects need of the grid control.
class GridAccessSource {
 public:
  virtual HWND GridWindow() const = 0;
  virtual const GridModel& GridView() const = 0;
  // The grid or its editor has the window's focus.
  virtual bool GridHasFocus() const = 0;
  // Makes the cell current as a key would, and gives the grid the focus if asked.
  virtual bool SelectFromOutside(GridCell cell, bool takeFocus) = 0;
  virtual bool SetTextFromOutside(GridCell cell, const std::u16string& text) = 0;
  // Opens the editor on the cell soon (not within the caller's call).
  virtual void EditFromOutside(GridCell cell) = 0;

 protected:
  ~GridAccessSource() = default;
};

// The table object of the grid's client area, a new reference.
AccessibleObject* MakeGridAccessible(const AccessLink<GridAccessSource>& link);

// The id by which the table finds a cell's object; CHILDID_SELF for a sheet too large for ids.
long CellEventId(const GridModel& model, GridCell cell);

}  // namespace pendra
