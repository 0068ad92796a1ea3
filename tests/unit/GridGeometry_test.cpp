#include "ui/GridGeometry.h"

#include <gtest/gtest.h>

#include "GridFixtures.h"

namespace pendra {
namespace {

TEST(GridGeometry, ShownRowsAreTheFixedRowAndTheScrolledOnesThatReachIntoTheView) {
  FirstRunGrid grid(10'000);
  EXPECT_EQ(ShownRows(grid), (std::vector<ShownLine>{{0, 0}, {1, 25}, {2, 50}, {3, 75}, {4, 100}, {5, 125}}));
  grid.ScrollTo(5'000, 0);
  EXPECT_EQ(ShownRows(grid),
            (std::vector<ShownLine>{{0, 0}, {5000, 25}, {5001, 50}, {5002, 75}, {5003, 100}, {5004, 125}}));
  EXPECT_EQ(ShownCols(grid), (std::vector<ShownLine>{{0, 0}, {1, 51}, {2, 262}}));
}

TEST(GridGeometry, CellRectanglesLeaveTheLinesOut) {
  FirstRunGrid grid;
  Rect rect;
  ASSERT_TRUE(CellRect(grid, {1, 1}, rect));
  EXPECT_EQ(rect, (Rect{51, 25, 210, 24}));
  grid.SetGridLines(false);
  ASSERT_TRUE(CellRect(grid, {1, 1}, rect));
  EXPECT_EQ(rect, (Rect{50, 24, 210, 24}));
  grid.SetRowCount(100);
  grid.ScrollTo(50, 0);
  EXPECT_FALSE(CellRect(grid, {1, 1}, rect));
  EXPECT_FALSE(CellRect(grid, {3, 50}, rect));
}

TEST(GridGeometry, PointsFindTheirCell) {
  FirstRunGrid grid;
  struct Case {
    int x, y;
    GridCell cell;
  };
  const Case cases[] = {
      {0, 0, {0, 0}},   {49, 23, {0, 0}},   {50, 24, {0, 0}},  // the line after a cell is the cell's
      {51, 25, {1, 1}}, {306, 148, {2, 5}}, {307, 148, {2, 5}}, {-1, 5, {}}, {5, 149, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(CellAt(grid, c.x, c.y), c.cell) << c.x << "," << c.y;
  grid.SetColWidth(1, 100);
  EXPECT_EQ(CellAt(grid, 250, 30), (GridCell{}));  // grid colour right of the last column
}

TEST(GridGeometry, ColumnBordersAreFoundOnlyInTheFixedTitleRow) {
  FirstRunGrid grid;
  struct Case {
    int x, y, col;
  };
  const Case cases[] = {{50, 10, 0}, {47, 10, 0},  {53, 24, 0},  {54, 10, -1},
                        {261, 0, 1}, {20, 10, -1}, {50, 25, -1}, {307, 10, 2}};
  for (const Case& c : cases) EXPECT_EQ(ColumnBorderAt(grid, c.x, c.y), c.col) << c.x << "," << c.y;
  grid.SetFixedRows(0);
  EXPECT_EQ(ColumnBorderAt(grid, 50, 10), -1);
}

TEST(GridGeometry, OfTwoBordersAtTheSameDistanceTheLaterColumnWins) {
  FirstRunGrid grid;
  grid.SetColWidth(1, 0);  // its border at 51, one pixel after column 0's
  EXPECT_EQ(ColumnBorderAt(grid, 50, 10), 0);
  EXPECT_EQ(ColumnBorderAt(grid, 51, 10), 1);
  grid.SetColWidth(1, 1);  // borders at 50 and 52
  EXPECT_EQ(ColumnBorderAt(grid, 51, 10), 1);
}

TEST(GridGeometry, ScrollBarsAppearOnlyWhileNeededAndAllowed) {
  const ScrollBarsAllowed both{true, true};
  const ScrollBarsAllowed verticalOnly{true, false};
  struct Case {
    int rows;
    int lastWidth;
    ScrollBarsAllowed allowed;
    ScrollBarsShown shown;
  };
  const Case cases[] = {
      {6, 45, both, {false, false}},         // the first-run sheet fits exactly
      {7, 45, both, {true, true}},           // a vertical bar makes the columns overflow too
      {7, 45, verticalOnly, {true, false}},  // one column never scrolls sideways
      {6, 47, both, {true, true}},           // a horizontal bar makes the rows overflow too
      {6, 47, verticalOnly, {false, false}}, {7, 45, {false, false}, {false, false}},
  };
  for (const Case& c : cases) {
    FirstRunGrid grid(c.rows);
    grid.SetColWidth(2, c.lastWidth);
    EXPECT_EQ(NeededScrollBars(grid, 308, 149, 17, 17, c.allowed), c.shown) << c.rows << " " << c.lastWidth;
  }
}

TEST(GridGeometry, ContentSizeCountsTheLinesBetweenCells) {
  FirstRunGrid grid;
  EXPECT_EQ(ContentWidth(grid), 307);
  EXPECT_EQ(ContentHeight(grid), 149);
  grid.SetGridLines(false);
  EXPECT_EQ(ContentWidth(grid), 305);
  EXPECT_EQ(ContentHeight(grid), 144);
}

}  // namespace
}  // namespace pendra
