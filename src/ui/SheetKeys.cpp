#include "ui/SheetKeys.h"

#include "ui/GridNavigation.h"

namespace pendra {

namespace {

constexpr int kKeyC = 'C';
constexpr int kKeyV = 'V';
constexpr int kKeyX = 'X';

}  // namespace

SheetKeyAction DecideSheetKey(int key, bool ctrl, bool editing, bool hasCurrentCell) {
  const bool onCell = !editing && hasCurrentCell;
  if (onCell && ctrl) {
    if (key == kKeyC) return SheetKeyAction::CopyCell;
    if (key == kKeyX) return SheetKeyAction::CutCell;
    if (key == kKeyV) return SheetKeyAction::PasteCell;
  }
  if (key == vk::Escape) return editing ? SheetKeyAction::LeaveEditing : SheetKeyAction::RedBar;
  if (key == vk::Delete && onCell) return SheetKeyAction::EmptyCell;
  return SheetKeyAction::None;
}

}  // namespace pendra
