#include "ui/PopupMenuRules.h"

#include <gtest/gtest.h>

#include "GridFixtures.h"

namespace pendra {
namespace {

TEST(PopupMenuRules, ItemsAreEnabledWithinTheLimits) {
  struct Case {
    int cols, rows;
    bool addRow, deleteRow, addColumn, deleteColumn;
  };
  const Case cases[] = {
      {3, 6, true, true, true, true},  {3, 99, true, true, true, true},   {3, 100, false, true, true, true},
      {3, 3, true, true, true, true},  {3, 2, true, false, true, true},   {1, 1, true, false, true, false},
      {99, 6, true, true, true, true}, {100, 6, true, true, false, true},
  };
  for (const Case& c : cases) {
    ViewedSheet grid(c.cols, c.rows);
    const PopupMenuState state = PopupMenuPopup(grid);
    EXPECT_EQ(state.addRow, c.addRow) << c.cols << "x" << c.rows;
    EXPECT_EQ(state.deleteRow, c.deleteRow) << c.cols << "x" << c.rows;
    EXPECT_EQ(state.addColumn, c.addColumn) << c.cols << "x" << c.rows;
    EXPECT_EQ(state.deleteColumn, c.deleteColumn) << c.cols << "x" << c.rows;
  }
}

TEST(PopupMenuRules, TheColumnSubmenuNeedsACurrentCellAndChecksItsAlignment) {
  FirstRunGrid grid;
  EXPECT_FALSE(PopupMenuPopup(grid).thisColumn);
  grid.SetAlignment(1, ALIGNRIGHT);
  grid.SetAlignment(2, ALIGNCENTER);
  for (const auto& [col, alignment] : {std::pair{0, ALIGNLEFT}, std::pair{1, ALIGNRIGHT}, std::pair{2, ALIGNCENTER}}) {
    ASSERT_TRUE(grid.SetCurrentCell({col, 3}));
    const PopupMenuState state = PopupMenuPopup(grid);
    EXPECT_TRUE(state.thisColumn);
    EXPECT_EQ(state.checkedAlignment, alignment) << col;
  }
}

TEST(PopupMenuRules, TitleEditingEndsInATaskRow) {
  FirstRunGrid grid;
  grid.SetFixedRows(0);
  EXPECT_EQ(grid.CurrentCell(), (GridCell{0, 0}));
  EXPECT_FALSE(EndsTitleEditing(grid));
  grid.SetCurrentCell({2, 0});
  EXPECT_FALSE(EndsTitleEditing(grid));
  grid.SetCurrentCell({2, 4});
  ASSERT_TRUE(EndsTitleEditing(grid));
  grid.SetFixedRows(1);
  EXPECT_EQ(grid.CurrentCell(), (GridCell{0, 1}));  // not the cell moved to
  EXPECT_EQ(grid.TopRow(), 1);
  EXPECT_FALSE(EndsTitleEditing(grid));
}

TEST(PopupMenuRules, TheFirstWheelStepStartsAtTheFirstTaskCell) {
  FirstRunGrid grid;
  grid.SetCurrentCell({2, 4});
  bool seeded = false;
  SeedFirstWheelStep(grid, seeded);
  EXPECT_TRUE(seeded);
  EXPECT_EQ(grid.CurrentCell(), (GridCell{0, 1}));  // replaces the cell the user chose
  grid.SetCurrentCell({2, 4});
  SeedFirstWheelStep(grid, seeded);
  EXPECT_EQ(grid.CurrentCell(), (GridCell{2, 4}));  // later steps start where the cell is
  ViewedSheet titleOnly(3, 1);
  bool fresh = false;
  SeedFirstWheelStep(titleOnly, fresh);
  EXPECT_TRUE(fresh);
  EXPECT_FALSE(titleOnly.HasCurrentCell());  // a sheet of the title row alone has no (0, 1)
}

}  // namespace
}  // namespace pendra
