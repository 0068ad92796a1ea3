#include "ui/GridModel.h"

#include <gtest/gtest.h>
#include <vector>

#include "GridFixtures.h"

namespace pendra {
namespace {

// Every change the view tells of, in order.
struct ViewChanges : GridViewObserver {
  void GridViewChanged(const GridViewChange& change) override { seen.push_back(change); }
  std::vector<GridViewChange> seen;
};

TEST(GridModel, OneRowIsNoLongerFixedAndStaysSoWhenRowsComeBack) {
  ViewedSheet grid(3, 2);
  EXPECT_EQ(grid.FixedRows(), 1);
  grid.SetRowCount(1);
  EXPECT_EQ(grid.FixedRows(), 0);
  grid.SetFixedRows(1);
  EXPECT_EQ(grid.FixedRows(), 0);
  grid.SetRowCount(4);
  EXPECT_EQ(grid.FixedRows(), 0);
  EXPECT_TRUE(grid.IsSelectable({0, 0}));
}

TEST(GridModel, SelectionIsOneSelectableCellOrEmpty) {
  FirstRunGrid grid;
  EXPECT_FALSE(grid.HasCurrentCell());
  EXPECT_EQ(grid.Selection(), (GridSelection{-1, -1, -1, -1}));
  EXPECT_FALSE(grid.SetCurrentCell({0, 0}));  // the fixed title row
  EXPECT_FALSE(grid.SetCurrentCell({3, 1}));
  EXPECT_TRUE(grid.SetCurrentCell({2, 4}));
  EXPECT_EQ(grid.Selection(), (GridSelection{2, 4, 2, 4}));
  grid.ClearSelection();
  EXPECT_EQ(grid.Selection(), (GridSelection{-1, -1, -1, -1}));
}

TEST(GridModel, ChangingTheFixedRowsMovesToTheFirstCellAndTheTop) {
  FirstRunGrid grid;
  grid.SetRowCount(40);
  grid.SetCurrentCell({2, 30});
  ASSERT_GT(grid.TopRow(), 1);
  grid.SetFixedRows(0);
  EXPECT_EQ(grid.CurrentCell(), (GridCell{0, 0}));
  EXPECT_EQ(grid.TopRow(), 0);
  grid.SetCurrentCell({1, 3});
  grid.SetFixedRows(1);
  EXPECT_EQ(grid.CurrentCell(), (GridCell{0, 1}));
  EXPECT_EQ(grid.TopRow(), 1);
  EXPECT_EQ(grid.LeftCol(), 0);
}

TEST(GridModel, SettingTheSameFixedRowsChangesNothing) {
  FirstRunGrid grid;
  grid.ClearSelection();
  grid.SetFixedRows(1);
  EXPECT_FALSE(grid.HasCurrentCell());
}

TEST(GridModel, DeletingTheCurrentRowMovesTheCurrentCellIntoTheNewLastRow) {
  FirstRunGrid grid;
  grid.SetCurrentCell({2, 5});
  grid.SetRowCount(5);
  EXPECT_EQ(grid.CurrentCell(), (GridCell{2, 4}));
  grid.SetColCount(1);
  EXPECT_EQ(grid.CurrentCell(), (GridCell{0, 4}));
  grid.ClearSelection();
  grid.SetRowCount(2);
  EXPECT_FALSE(grid.HasCurrentCell());
}

TEST(GridModel, EditingStaysWithItsCellUntilTheCellGoes) {
  FirstRunGrid grid;
  EXPECT_FALSE(grid.BeginEditing());
  grid.SetCurrentCell({2, 4});
  ASSERT_TRUE(grid.BeginEditing());
  grid.ClearSelection();
  EXPECT_TRUE(grid.IsEditing());
  EXPECT_EQ(grid.EditedCell(), (GridCell{2, 4}));
  grid.SetRowCount(4);
  EXPECT_FALSE(grid.IsEditing());
  EXPECT_EQ(grid.EditedCell(), (GridCell{-1, -1}));
}

TEST(GridModel, FirstRunViewShowsAllSixRowsWithoutScrolling) {
  FirstRunGrid grid;
  EXPECT_EQ(grid.FullyVisibleRows(), 5);
  EXPECT_EQ(grid.MaxTopRow(), 1);
  EXPECT_EQ(grid.MaxLeftCol(), 0);
  grid.SetGridLines(false);
  EXPECT_EQ(grid.FullyVisibleRows(), 5);
}

TEST(GridModel, TenThousandRowsScrollToKeepTheCurrentCellVisible) {
  FirstRunGrid grid;
  grid.SetRowCount(10'000);
  grid.SetCurrentCell({0, 9'999});
  EXPECT_EQ(grid.TopRow(), 9'995);
  grid.SetCurrentCell({0, 5'000});
  EXPECT_EQ(grid.TopRow(), 5'000);
  grid.ScrollTo(50'000, 9);
  EXPECT_EQ(grid.TopRow(), grid.MaxTopRow());
  EXPECT_EQ(grid.MaxTopRow(), 9'995);
  EXPECT_EQ(grid.LeftCol(), 0);
  grid.ScrollTo(-3, -3);
  EXPECT_EQ(grid.TopRow(), 1);
}

TEST(GridModel, WideColumnsScrollSideways) {
  ViewedSheet grid(3, 6);
  for (int col = 0; col < 3; ++col) grid.SetColWidth(col, 200);
  grid.SetViewSize(308, 149);
  EXPECT_EQ(grid.MaxLeftCol(), 2);
  grid.SetCurrentCell({2, 1});
  EXPECT_EQ(grid.LeftCol(), 2);
  grid.SetCurrentCell({0, 1});
  EXPECT_EQ(grid.LeftCol(), 0);
  grid.SetColWidth(0, 5000);
  grid.SetCurrentCell({0, 1});
  EXPECT_EQ(grid.LeftCol(), 0);
}

TEST(GridModel, ShrinkingTheViewKeepsTheScrollInRange) {
  FirstRunGrid grid;
  grid.SetRowCount(20);
  grid.SetCurrentCell({0, 19});
  grid.SetViewSize(308, 1000);
  EXPECT_EQ(grid.TopRow(), 1);
  grid.SetViewSize(0, 0);
  EXPECT_EQ(grid.FullyVisibleRows(), 0);
  EXPECT_EQ(grid.MaxTopRow(), 19);
}

}  // namespace
}  // namespace pendra

namespace pendra {
namespace {

TEST(GridModel, TellsWhichCellsTheCurrentCellAndTheEditingLeftAndEnteredAndWhenItScrolled) {
  using K = GridViewChange::Kind;
  FirstRunGrid grid(40);
  ViewChanges changes;
  grid.SetObserver(&changes);

  grid.SetCurrentCell({1, 2});
  grid.SetCurrentCell({1, 2});  // no change, no word
  grid.BeginEditing();
  grid.EndEditing();
  grid.EndEditing();
  grid.SetCurrentCell({2, 30});  // out of view: the view scrolls
  grid.ScrollTo(grid.TopRow(), 0);
  grid.ClearSelection();

  const std::vector<GridViewChange> expected = {
      {K::Current, {-1, -1}, {1, 2}},
      {K::Editing, {-1, -1}, {1, 2}},
      {K::Editing, {1, 2}, {-1, -1}},
      {K::Current, {1, 2}, {2, 30}},
      {K::Scroll, {}, {}},
      {K::Current, {2, 30}, {-1, -1}},
  };
  EXPECT_EQ(changes.seen, expected);
}

}  // namespace
}  // namespace pendra
