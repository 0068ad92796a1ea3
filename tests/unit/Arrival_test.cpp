#include "app/Arrival.h"

#include <gtest/gtest.h>

#include "GridFixtures.h"

namespace pendra {
namespace {

// A sheet of three tasks as this run read it, and a version another PC wrote: a task inserted at
// the top and the last task's first cell changed.
class ArrivalTest : public ::testing::Test {
 protected:
  ArrivalTest() {
    for (int row = 1; row <= 3; ++row) grid.SetCell(0, row, u"task " + std::u16string(1, u'0' + row));
    state.Base = grid.Snapshot();
    ViewedSheet other(3, 5);
    other.SetCell(0, 1, u"from the other PC");
    for (int row = 1; row <= 3; ++row) other.SetCell(0, row + 1, grid.Cell(0, row));
    other.SetCell(0, 4, u"task 3 changed");
    arrived.kind = ArrivedVersion::Kind::Whole;
    arrived.content = other.Snapshot();
    arrived.stamp = {true, 100, 7};
    edits.Begin();
  }

  FirstRunGrid grid{4};
  DataFileState state;
  EditSession edits{grid};
  ArrivedVersion arrived;
};

TEST_F(ArrivalTest, TheCurrentCellStaysOnItsTaskAndAnEditGoesOnWithItsText) {
  grid.SetCurrentCell({1, 2});
  edits.Input(grid);
  grid.BeginEditing();
  grid.SetCell(1, 2, u"typed");

  const SheetMerge merge = TakeInArrivedVersion(arrived, grid, state, edits, grid);

  EXPECT_EQ(grid.Cell(0, 1), u"from the other PC");
  EXPECT_EQ(grid.Cell(0, 3), u"task 2");
  EXPECT_EQ(grid.Cell(1, 3), u"typed");
  EXPECT_EQ(grid.Cell(0, 4), u"task 3 changed");
  EXPECT_EQ(grid.CurrentCell(), (GridCell{1, 3}));
  EXPECT_TRUE(grid.IsEditing());
  EXPECT_EQ(grid.EditedCell(), (GridCell{1, 3}));
  EXPECT_EQ(merge.otherTextsLost, 0);
  EXPECT_EQ(state.Base, arrived.content);
  EXPECT_EQ(state.DataFileSeen, arrived.stamp);
}

TEST_F(ArrivalTest, OneUndoTakesTheWholeMergeBackAndTypingAfterItIsAStepOfItsOwn) {
  grid.SetCurrentCell({1, 1});
  edits.Input(grid);
  grid.BeginEditing();
  grid.SetCell(1, 1, u"a");
  TakeInArrivedVersion(arrived, grid, state, edits, grid);
  grid.SetCell(1, 2, u"ab");  // the editor moved with its task to row 2
  grid.EndEditing();

  edits.Undo();
  EXPECT_EQ(grid.Cell(1, 2), u"a");
  EXPECT_EQ(grid.Cell(0, 1), u"from the other PC");
  edits.Undo();
  EXPECT_EQ(grid.Cell(0, 1), u"task 1");
  EXPECT_EQ(grid.Cell(1, 1), u"a");
  EXPECT_EQ(grid.RowCount(), 4);
}

TEST_F(ArrivalTest, AnEditedCellTheOtherVersionChangedKeepsTheEditorsTextAndCountsTheOtherAsLost) {
  grid.SetCurrentCell({0, 3});
  edits.Input(grid);
  grid.BeginEditing();  // opened, nothing typed yet

  const SheetMerge merge = TakeInArrivedVersion(arrived, grid, state, edits, grid);

  EXPECT_EQ(grid.Cell(0, 4), u"task 3");
  EXPECT_EQ(grid.EditedCell(), (GridCell{0, 4}));
  EXPECT_EQ(merge.otherTextsLost, 1);
}

}  // namespace
}  // namespace pendra
