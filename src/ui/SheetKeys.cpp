#include "ui/SheetKeys.h"

#include "ui/GridNavigation.h"

namespace pendra {

namespace {

constexpr int kKeyC = 'C';
constexpr int kKeyV = 'V';
constexpr int kKeyX = 'X';
constexpr int kKeyY = 'Y';
constexpr int kKeyZ = 'Z';

}  // namespace

SheetKeyAction DecideSheetKey(int key, bool ctrl, bool shift, bool editing, bool hasCurrentCell) {
  if (ctrl && !editing) {
    if (key == kKeyZ) return shift ? SheetKeyAction::Redo : SheetKeyAction::Undo;
    if (key == kKeyY) return SheetKeyAction::Redo;
  }
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

bool UnfoldsStrip(int key, bool ctrl) { return !ctrl && (key == vk::Return || key == vk::Space); }

}  // namespace pendra
