#include "ui/GridAccessible_win.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "lang/Texts.h"
#include "ui/AccessibleNames.h"
#include "ui/GridGeometry.h"

namespace pendra {

namespace {

enum class GridPart { Table, Row, Cell };

// One element of the grid: the table, a row (row >= 0) or a cell (row and col >= 0).
class GridElement : public AccessibleObject {
 public:
  GridElement(AccessLink<GridAccessSource> link, GridPart part, int row, int col)
      : link_(std::move(link)), part_(part), row_(row), col_(col) {}

 protected:
  bool Connected() const override {
    const GridAccessSource* source = *link_;
    if (!source || !IsWindow(source->GridWindow())) return false;
    const GridModel& model = source->GridView();
    switch (part_) {
      case GridPart::Table: return true;
      case GridPart::Row: return row_ < model.RowCount();
      case GridPart::Cell: return row_ < model.RowCount() && col_ < model.ColCount();
    }
    return false;
  }

  long ChildCount() const override {
    switch (part_) {
      case GridPart::Table: return Model().RowCount();
      case GridPart::Row: return Model().ColCount();
      case GridPart::Cell: return 0;
    }
    return 0;
  }

  // Rows 1... in the table, cells 1... in a row; the table also finds a cell by its event id.
  IAccessible* MakeChild(long id) const override {
    const GridModel& model = Model();
    if (part_ == GridPart::Table && id >= 1 && id <= model.RowCount()) return Make(GridPart::Row, id - 1, -1);
    if (part_ == GridPart::Table && id < 0) {
      const std::int64_t index = -std::int64_t{id} - 1;
      const std::int64_t row = index / model.ColCount();
      if (row < model.RowCount()) return Make(GridPart::Cell, static_cast<int>(row), index % model.ColCount());
    }
    if (part_ == GridPart::Row && id >= 1 && id <= model.ColCount()) return Make(GridPart::Cell, row_, id - 1);
    return nullptr;
  }

  IDispatch* MakeParent() const override {
    switch (part_) {
      case GridPart::Table: return MakeWindowObject(Source().GridWindow());
      case GridPart::Row: return Make(GridPart::Table, -1, -1);
      case GridPart::Cell: return Make(GridPart::Row, row_, -1);
    }
    return nullptr;
  }

  std::u16string Name() const override {
    const Sheet& sheet = Model().TheSheet();
    switch (part_) {
      case GridPart::Table: return kAccessibleSheetName;
      case GridPart::Row: return AccessibleRowName(sheet, row_);
      case GridPart::Cell: return AccessibleCellName(sheet, col_, row_);
    }
    return {};
  }

  bool Value(std::u16string& value) const override {
    if (part_ != GridPart::Cell) return false;
    value = Model().Cell(col_, row_);
    return true;
  }

  long Role() const override {
    switch (part_) {
      case GridPart::Table: return ROLE_SYSTEM_TABLE;
      case GridPart::Row: return ROLE_SYSTEM_ROW;
      case GridPart::Cell: return row_ == 0 ? ROLE_SYSTEM_COLUMNHEADER : ROLE_SYSTEM_CELL;
    }
    return ROLE_SYSTEM_CLIENT;
  }

  long State() const override {
    const GridModel& model = Model();
    const bool focused = Source().GridHasFocus();
    long state = 0;
    if (part_ == GridPart::Table) {
      state = STATE_SYSTEM_FOCUSABLE;
      if (focused && !model.HasCurrentCell()) state |= STATE_SYSTEM_FOCUSED;
      if (!IsWindowVisible(Source().GridWindow())) state |= STATE_SYSTEM_INVISIBLE;
      return state;
    }
    if (row_ < model.FixedRows()) state |= STATE_SYSTEM_READONLY;
    if (ShownRect().width == 0) state |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
    if (part_ == GridPart::Cell && model.IsSelectable({col_, row_})) {
      state |= STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
      if (model.CurrentCell() == GridCell{col_, row_}) {
        state |= STATE_SYSTEM_SELECTED;
        if (focused) state |= STATE_SYSTEM_FOCUSED;
      }
    }
    return state;
  }

  Rect ScreenRect() const override {
    if (part_ == GridPart::Table) return ScreenRectOf(Source().GridWindow());
    Rect rect = ShownRect();
    if (rect.width == 0) return {};
    POINT origin{0, 0};
    ClientToScreen(Source().GridWindow(), &origin);
    rect.left += origin.x;
    rect.top += origin.y;
    return rect;
  }

  std::u16string DefaultAction() const override {
    if (part_ != GridPart::Cell || !Model().IsSelectable({col_, row_})) return {};
    return kAccessibleEditAction;
  }
  void DoDefaultAction() override { Source().EditFromOutside({col_, row_}); }

  // The table's focus is the current cell while the grid has the focus, else the table itself.
  void Focus(VARIANT& focus) const override {
    if (part_ != GridPart::Table || !Source().GridHasFocus()) return;
    const GridCell current = Model().CurrentCell();
    focus = current.col >= 0 ? DispatchVariant(Make(GridPart::Cell, current.row, current.col))
                             : ChildIdVariant(CHILDID_SELF);
  }

  void Selection(VARIANT& selection) const override {
    const GridCell current = Model().CurrentCell();
    if (part_ == GridPart::Cell || current.col < 0) return;
    if (part_ == GridPart::Row && current.row != row_) return;
    selection = DispatchVariant(Make(GridPart::Cell, current.row, current.col));
  }

  bool Select(long flags) override {
    if (part_ != GridPart::Cell || !(flags & (SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION))) return false;
    return Source().SelectFromOutside({col_, row_}, (flags & SELFLAG_TAKEFOCUS) != 0);
  }

  bool SetValue(const std::u16string& value) override {
    return part_ == GridPart::Cell && Source().SetTextFromOutside({col_, row_}, value);
  }

  IAccessible* Navigate(long direction) const override {
    switch (part_) {
      case GridPart::Table: return AccessibleObject::Navigate(direction);
      case GridPart::Row:
        switch (direction) {
          case NAVDIR_NEXT:
          case NAVDIR_DOWN: return RowAt(row_ + 1);
          case NAVDIR_PREVIOUS:
          case NAVDIR_UP: return RowAt(row_ - 1);
          default: return AccessibleObject::Navigate(direction);
        }
      case GridPart::Cell:
        switch (direction) {
          case NAVDIR_NEXT:
          case NAVDIR_RIGHT: return CellAt(row_, col_ + 1);
          case NAVDIR_PREVIOUS:
          case NAVDIR_LEFT: return CellAt(row_, col_ - 1);
          case NAVDIR_DOWN: return CellAt(row_ + 1, col_);
          case NAVDIR_UP: return CellAt(row_ - 1, col_);
          default: return nullptr;
        }
    }
    return nullptr;
  }

  void HitTest(Point screen, VARIANT& found) const override {
    if (!ScreenRect().Contains(screen)) return;
    POINT point{screen.x, screen.y};
    ScreenToClient(Source().GridWindow(), &point);
    const GridCell cell = pendra::CellAt(Model(), point.x, point.y);
    const bool inside = cell.col >= 0 && (part_ == GridPart::Table || (part_ == GridPart::Row && cell.row == row_));
    found = inside && part_ != GridPart::Cell ? DispatchVariant(Make(GridPart::Cell, cell.row, cell.col))
                                              : ChildIdVariant(CHILDID_SELF);
  }

 private:
  const GridAccessSource& Source() const { return **link_; }
  GridAccessSource& Source() { return **link_; }
  const GridModel& Model() const { return Source().GridView(); }

  IAccessible* Make(GridPart part, int row, std::int64_t col) const {
    return new GridElement(link_, part, row, static_cast<int>(col));
  }
  IAccessible* RowAt(int row) const {
    return row >= 0 && row < Model().RowCount() ? Make(GridPart::Row, row, -1) : nullptr;
  }
  IAccessible* CellAt(int row, int col) const {
    const GridModel& model = Model();
    if (row < 0 || row >= model.RowCount() || col < 0 || col >= model.ColCount()) return nullptr;
    return Make(GridPart::Cell, row, col);
  }

  // The part of the row or cell in view, in client pixels; empty when none is.
  Rect ShownRect() const {
    const GridModel& model = Model();
    if (part_ == GridPart::Cell) {
      Rect rect;
      return CellRect(model, {col_, row_}, rect) ? rect : Rect{};
    }
    Rect united;
    for (int col = 0; col < model.ColCount(); ++col) {
      Rect rect;
      if (!CellRect(model, {col, row_}, rect)) continue;
      if (united.width == 0) {
        united = rect;
      } else {
        const int right = std::max(united.right(), rect.right());
        united.left = std::min(united.left, rect.left);
        united.width = right - united.left;
      }
    }
    return united;
  }

  AccessLink<GridAccessSource> link_;
  GridPart part_;
  int row_;
  int col_;
};

}  // namespace

AccessibleObject* MakeGridAccessible(const AccessLink<GridAccessSource>& link) {
  return new GridElement(link, GridPart::Table, -1, -1);
}

long CellEventId(const GridModel& model, GridCell cell) {
  if (cell.col < 0 || cell.row < 0) return CHILDID_SELF;
  const std::int64_t index = std::int64_t{cell.row} * model.ColCount() + cell.col;
  return index < LONG_MAX ? static_cast<long>(-index - 1) : CHILDID_SELF;
}

}  // namespace pendra
