#include "ui/GridModel.h"

#include <gtest/gtest.h>

namespace pendra {
namespace {

// The first-run sheet's shape in the first-run grid's view (310 x 151 less the frame).
GridModel FirstRunGrid() {
  GridModel grid(3, 6);
  grid.SetColWidth(0, 50);
  grid.SetColWidth(1, 210);
  grid.SetColWidth(2, 45);
  grid.SetViewSize(308, 149);
  return grid;
}

TEST(GridModel, CountsNeverDropBelowOneOrRiseAboveTheMaximum) {
  GridModel grid(3, 6);
  grid.SetRowCount(0);
  grid.SetColCount(-4);
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_EQ(grid.ColCount(), 1);
  EXPECT_EQ(grid.ColWidths().size(), 1u);
  grid.SetRowCount(2'000'000'000);
  grid.SetColCount(2'000'000'000);
  EXPECT_EQ(grid.RowCount(), GridModel::kMaxRowCount);
  EXPECT_EQ(grid.ColCount(), GridModel::kMaxColCount);
}

TEST(GridModel, OneRowIsNoLongerFixedAndStaysSoWhenRowsComeBack) {
  GridModel grid(3, 2);
  EXPECT_EQ(grid.FixedRows(), 1);
  grid.SetRowCount(1);
  EXPECT_EQ(grid.FixedRows(), 0);
  grid.SetFixedRows(1);
  EXPECT_EQ(grid.FixedRows(), 0);
  grid.SetRowCount(4);
  EXPECT_EQ(grid.FixedRows(), 0);
  EXPECT_TRUE(grid.IsSelectable({0, 0}));
}

TEST(GridModel, ColumnWidthOutsideTheGridIsAnInvalidGridOperation) {
  GridModel grid(3, 6);
  for (int col : {3, 4, -1}) {
    try {
      grid.SetColWidth(col, 40);
      FAIL() << col;
    } catch (const EInvalidGridOperation& failure) {
      EXPECT_EQ(failure.Message(), u"Grid index out of range");
      EXPECT_EQ(std::u16string(failure.TypeName()), u"EInvalidGridOperation");
    }
  }
  grid.SetColWidth(2, -7);
  EXPECT_EQ(grid.ColWidth(2), 0);
}

TEST(GridModel, NewColumnsGetTheDefaultWidthAndKeepTheOthers) {
  GridModel grid = FirstRunGrid();
  grid.SetColCount(4);
  EXPECT_EQ(grid.ColWidths(), (std::vector<int>{50, 210, 45, GridModel::kDefaultColWidth}));
}

TEST(GridModel, CellsHoldAnyUtf16AndShrinkingForgetsThem) {
  GridModel grid(3, 6);
  const std::u16string text = u"Größe \U0001F600 \r\n&";
  grid.SetCell(2, 5, text);
  EXPECT_EQ(grid.Cell(2, 5), text);
  EXPECT_EQ(grid.Cell(3, 5), u"");
  EXPECT_EQ(grid.Cell(-1, 0), u"");
  EXPECT_THROW(grid.SetCell(3, 0, u"x"), EInvalidGridOperation);
  EXPECT_THROW(grid.SetCell(0, 6, u"x"), EInvalidGridOperation);
  grid.SetColCount(2);
  grid.SetColCount(3);
  EXPECT_EQ(grid.Cell(2, 5), u"");
  grid.SetCell(1, 5, u"b");
  grid.SetRowCount(5);
  grid.SetRowCount(6);
  EXPECT_EQ(grid.Cell(1, 5), u"");
}

TEST(GridModel, SelectionIsOneSelectableCellOrEmpty) {
  GridModel grid = FirstRunGrid();
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
  GridModel grid = FirstRunGrid();
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
  GridModel grid = FirstRunGrid();
  grid.ClearSelection();
  grid.SetFixedRows(1);
  EXPECT_FALSE(grid.HasCurrentCell());
}

TEST(GridModel, DeletingTheCurrentRowMovesTheCurrentCellIntoTheNewLastRow) {
  GridModel grid = FirstRunGrid();
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
  GridModel grid = FirstRunGrid();
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
  GridModel grid = FirstRunGrid();
  EXPECT_EQ(grid.FullyVisibleRows(), 5);
  EXPECT_EQ(grid.MaxTopRow(), 1);
  EXPECT_EQ(grid.MaxLeftCol(), 0);
  grid.SetLineWidth(0);
  EXPECT_EQ(grid.FullyVisibleRows(), 5);
}

TEST(GridModel, TenThousandRowsScrollToKeepTheCurrentCellVisible) {
  GridModel grid = FirstRunGrid();
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
  GridModel grid(3, 6);
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
  GridModel grid = FirstRunGrid();
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
