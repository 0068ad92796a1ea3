#pragma once
// Undo and redo for the run: the sheet's content after each step of the user, bounded by
// the number of steps and by memory, the oldest dropped first. A step is everything that
// changed between two checkpoints; the window sets a checkpoint before each action of the
// user, so one action is one step, and a cell's whole edit is one. Changes that are no step
// of their own (a blank cell emptied on entering, the columns fitted to a new window size)
// are absorbed. A step keeps only what it changed: the rows whose texts differ and, when they
// differ, the widths, and the alignments, title row and flags, as they were on its other side
// (a SheetPatch); so a keystroke, a checkpoint and an undo cost what changed, whatever the
// size of the sheet. The history compares the sheet with its copy of the last checkpoint's
// content only in the rows the sheet told it changed.
#include <cstddef>
#include <deque>

#include "sheet/Sheet.h"
#include "sheet/SheetPatch.h"

namespace pendra {

// A cell of the sheet; (-1, -1) for none.
struct SheetCell {
  int col = -1;
  int row = -1;
  bool operator==(const SheetCell&) const = default;
};

class SheetHistory : private SheetObserver {
 public:
  static constexpr size_t kMaxSteps = 1000;
  static constexpr size_t kMaxBytes = 16 * 1024 * 1024;

  // Starts with the sheet as it is and no steps.
  explicit SheetHistory(Sheet& sheet);
  ~SheetHistory();
  SheetHistory(const SheetHistory&) = delete;
  SheetHistory& operator=(const SheetHistory&) = delete;

  // Forgets every step and takes the sheet as it is.
  void Reset();
  // What changed since the last checkpoint becomes one step; a new step clears the redo steps.
  void Checkpoint();
  // What changed since the last checkpoint becomes part of the sheet as it is, no step.
  void Absorb();

  bool CanUndo() const { return !undo_.empty() || changed_; }
  bool CanRedo() const { return !redo_.empty(); }
  // Takes back the last step (after a checkpoint) and returns a cell it changed, or (-1, -1)
  // when nothing of the cells changed; nothing happens without a step.
  SheetCell Undo();
  SheetCell Redo();

  size_t UndoSteps() const { return undo_.size(); }

 private:
  void SheetChanged(const SheetChange& change) override;
  // What changed since the last checkpoint, as it was before; the sheet as it is becomes current_.
  SheetPatch TakeChanges();
  SheetCell Move(std::deque<SheetPatch>& from, std::deque<SheetPatch>& to);
  void DropOldest();

  Sheet& sheet_;
  // The content as of the last checkpoint, and the rows changed since.
  Sheet::Content current_;
  RowSpan changedRows_;
  std::deque<SheetPatch> undo_;
  std::deque<SheetPatch> redo_;
  size_t bytes_ = 0;
  bool changed_ = false;
  bool restoring_ = false;
};

}  // namespace pendra
