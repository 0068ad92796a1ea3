#include "ui/GridNavigation.h"

#include <algorithm>

namespace pendra {

bool IsModifierKey(int key) {
  switch (key) {
    case vk::Shift:
    case vk::Control:
    case vk::Menu:
    case vk::Capital:
    case vk::LWin:
    case vk::RWin:
    case vk::NumLock:
    case vk::Scroll: return true;
    default: return key >= vk::LShift && key <= vk::RMenu;
  }
}

GridCell MoveTarget(const GridModel& model, int key, bool ctrl) {
  const GridCell current = model.CurrentCell();
  const int firstRow = model.FixedRows();
  const int lastRow = model.RowCount() - 1;
  const int lastCol = model.ColCount() - 1;
  const int page = std::max(1, model.FullyVisibleRows());
  auto row = [&](int r) { return GridCell{current.col, std::clamp(r, firstRow, lastRow)}; };
  auto col = [&](int c) { return GridCell{std::clamp(c, 0, lastCol), current.row}; };
  switch (key) {
    case vk::Up: return row(current.row - 1);
    case vk::Down: return row(current.row + 1);
    case vk::Prior: return row(current.row - page);
    case vk::Next: return row(current.row + page);
    case vk::Left: return col(current.col - 1);
    case vk::Right: return col(current.col + 1);
    case vk::Home: return ctrl ? GridCell{0, firstRow} : col(0);
    case vk::End: return ctrl ? GridCell{lastCol, lastRow} : col(lastCol);
    default: return current;
  }
}

namespace {

bool EndsEditingByMove(int key) { return key == vk::Up || key == vk::Down || key == vk::Prior || key == vk::Next; }

GridKeyDecision DecideWhileEditing(const GridModel& model, int key, KeyModifiers modifiers) {
  if (EndsEditingByMove(key)) {
    const GridCell target = MoveTarget(model, key, modifiers.ctrl);
    if (target == model.CurrentCell()) return {GridKeyAction::CloseEditor, {}};
    return {GridKeyAction::Move, target};
  }
  if (key == vk::Return || key == vk::Escape) return {GridKeyAction::CloseEditor, {}};
  return {};
}

GridKeyDecision DecideWhileBrowsing(const GridModel& model, int key, KeyModifiers modifiers) {
  switch (key) {
    case vk::Return:
    case vk::F2: return {GridKeyAction::OpenEditor, {}};
    default: {
      const GridCell target = MoveTarget(model, key, modifiers.ctrl);
      if (target == model.CurrentCell()) return {};
      return {GridKeyAction::Move, target};
    }
  }
}

}  // namespace

GridKeyDecision DecideGridKey(const GridModel& model, int key, KeyModifiers modifiers) {
  if (IsModifierKey(key)) return {};
  // Tab leaves the grid whatever its state.
  if (key == vk::Tab) return {GridKeyAction::MoveFocusAway, {}};
  if (!model.HasCurrentCell()) return {GridKeyAction::PlaceFirstCell, model.FirstNonFixedCell()};
  return model.IsEditing() ? DecideWhileEditing(model, key, modifiers) : DecideWhileBrowsing(model, key, modifiers);
}

bool EditorLeavesKeyToGrid(int key, KeyModifiers modifiers) {
  switch (key) {
    case vk::Up:
    case vk::Down:
    case vk::Prior:
    case vk::Next:
    case vk::Escape:
    case vk::Return:
    case vk::Tab: return true;
    case vk::Insert: return !modifiers.ctrl && !modifiers.shift && !modifiers.alt;
    case vk::Delete: return modifiers.ctrl;
    default: return false;
  }
}

GridCell WheelTarget(const GridModel& model, bool down) { return MoveTarget(model, down ? vk::Down : vk::Up, false); }

}  // namespace pendra
