#include "ui/SheetKeys.h"

#include <gtest/gtest.h>

#include "ui/GridNavigation.h"

namespace pendra {
namespace {

TEST(SheetKeys, CellKeysActOnlyOnACurrentCellOutsideEditing) {
  struct Case {
    int key;
    bool ctrl, editing, hasCell;
    SheetKeyAction action;
    bool shift = false;
  };
  using A = SheetKeyAction;
  const Case cases[] = {
      {'C', true, false, true, A::CopyCell},
      {'X', true, false, true, A::CutCell},
      {'V', true, false, true, A::PasteCell},
      {'C', false, false, true, A::None},  // a plain letter
      {'C', true, true, true, A::None},    // the editor's own copy
      {'V', true, true, true, A::None},    // the editor's own paste
      {'C', true, false, false, A::None},
      {'V', true, false, false, A::None},
      {vk::Delete, false, false, true, A::EmptyCell},
      {vk::Delete, true, false, true, A::EmptyCell},
      {vk::Delete, false, true, true, A::None},
      {vk::Delete, false, false, false, A::None},
      {vk::Escape, false, true, true, A::LeaveEditing},
      {vk::Escape, false, false, true, A::RedBar},
      {vk::Escape, true, false, false, A::RedBar},
      {vk::Return, false, false, true, A::None},
      {'Z', true, false, false, A::Undo},
      {'Z', true, false, true, A::Undo},
      {'Z', true, false, true, A::Redo, true},  // Ctrl+Shift+Z
      {'Y', true, false, false, A::Redo},
      {'Z', true, true, true, A::None},  // the editor's own undo
      {'Y', true, true, true, A::None},
      {'Z', false, false, true, A::None},
      {'C', true, false, true, A::CopyCell, true},  // Shift does not matter for copy
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecideSheetKey(c.key, c.ctrl, c.shift, c.editing, c.hasCell), c.action)
        << c.key << " ctrl " << c.ctrl << " editing " << c.editing << " cell " << c.hasCell;
  }
}

TEST(SheetKeys, EnterAndSpaceUnfoldTheStrip) {
  EXPECT_TRUE(UnfoldsStrip(vk::Return, false));
  EXPECT_TRUE(UnfoldsStrip(vk::Space, false));
  EXPECT_FALSE(UnfoldsStrip(vk::Space, true));
  EXPECT_FALSE(UnfoldsStrip('A', false));
}

}  // namespace
}  // namespace pendra
