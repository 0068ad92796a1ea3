#include <gtest/gtest.h>

#include "sheet/Sheet.h"
#include "sheet/ToDoSheet.h"
#include "sheet/WindowPlacement.h"

namespace pendra {

TEST(WindowPlacement, FirstSheetSitsFortyPixelsLeftOfTheRightEdgeAndCentred) {
  ScreenPoint place = FirstSheetPosition(1920, 1080, 370, 211);
  EXPECT_EQ(place.Left, 1510);
  EXPECT_EQ(place.Top, 434);  // 540 - 105.5 = 434.5 goes to the even neighbour
}

TEST(WindowPlacement, CentringRoundsHalvesToEven) {
  struct Case {
    int screen, window, expected;
  };
  for (const Case& c : {Case{1080, 211, 434}, Case{1080, 213, 434}, Case{1080, 215, 432}, Case{1920, 370, 775},
                        Case{1920, 371, 774}, Case{1920, 373, 774}, Case{100, 400, -150}}) {
    EXPECT_EQ(CentredCoordinate(c.screen, c.window), c.expected) << c.screen << " " << c.window;
  }
}

TEST(Sheet, AlignmentListFollowsTheColumnCount) {
  std::vector<TCellAlignment> alignments = {ALIGNCENTER, ALIGNLEFT, ALIGNRIGHT};
  ResizeColumnAlignments(alignments, 5);
  EXPECT_EQ(alignments, (std::vector<TCellAlignment>{ALIGNCENTER, ALIGNLEFT, ALIGNRIGHT, ALIGNLEFT, ALIGNLEFT}));
  ResizeColumnAlignments(alignments, 2);
  EXPECT_EQ(alignments, (std::vector<TCellAlignment>{ALIGNCENTER, ALIGNLEFT}));
}

TEST(Sheet, MenuPairsHoldTheFlags) {
  SheetFlags flags;
  EXPECT_FALSE(flags.HeaderTextBold());
  EXPECT_FALSE(flags.DrawGridLines());
  EXPECT_FALSE(flags.TitleFett.DeaktivVisible);  // nothing shown until something sets the flag
  flags.TitleFett.Show(true);
  flags.ShowGridLines.Show(false);
  EXPECT_TRUE(flags.HeaderTextBold());
  EXPECT_FALSE(flags.DrawGridLines());
  EXPECT_TRUE(flags.ShowGridLines.DeaktivVisible);
  SheetFlags twin;
  twin.MakeTitleBold.Show(true);
  EXPECT_TRUE(twin.HeaderTextBold());
}

}  // namespace pendra

namespace pendra {

TEST(ToDoSheet, AppendToRowFillsTheFirstEmptyCells) {
  GridModel grid(3, 6);
  EXPECT_EQ(AppendToRow(grid, 1, u"a"), 0);
  EXPECT_EQ(AppendToRow(grid, 1, u""), 1);
  EXPECT_EQ(AppendToRow(grid, 1, u"c"), 2);
  EXPECT_EQ(AppendToRow(grid, 1, u"d"), -1);
  EXPECT_EQ(grid.Cell(0, 1), u"a");
  EXPECT_EQ(grid.Cell(1, 1), u" ");
  EXPECT_EQ(grid.Cell(2, 1), u"c");

  grid.SetCell(1, 2, u"middle");
  EXPECT_EQ(AppendToRow(grid, 2, u"x"), 0);
  EXPECT_EQ(AppendToRow(grid, 2, u"y"), 2);
  EXPECT_EQ(grid.Cell(1, 2), u"middle");
  EXPECT_EQ(AppendToRow(grid, 6, u"beyond the last row"), -1);
}

TEST(ToDoSheet, ColumnCountKeepsOneAlignmentPerColumn) {
  GridModel grid(3, 6);
  std::vector<TCellAlignment> alignments = {ALIGNCENTER, ALIGNLEFT, ALIGNRIGHT};
  SetColumnCount(grid, alignments, 5);
  EXPECT_EQ(alignments, (std::vector<TCellAlignment>{ALIGNCENTER, ALIGNLEFT, ALIGNRIGHT, ALIGNLEFT, ALIGNLEFT}));
  SetColumnCount(grid, alignments, 0);
  EXPECT_EQ(grid.ColCount(), 1);
  EXPECT_EQ(alignments, (std::vector<TCellAlignment>{ALIGNCENTER}));
}

TEST(ToDoSheet, FirstSheetHasCaptionsAndOneExampleTask) {
  GridModel grid(3, 6);
  std::vector<TCellAlignment> alignments(3, ALIGNLEFT);
  FillFirstSheet(grid, alignments);
  EXPECT_EQ(grid.Cell(0, 0) + u"|" + grid.Cell(1, 0) + u"|" + grid.Cell(2, 0), u"Prio|Aufgabe|Zeit");
  EXPECT_EQ(grid.Cell(1, 1), u"...Klicken für neue Aufgabe");
  EXPECT_EQ(grid.Cell(2, 1), u"10min");
  EXPECT_EQ(grid.Cell(0, 2), u"");
  EXPECT_EQ(grid.RowCount(), 6);
  EXPECT_EQ(alignments, (std::vector<TCellAlignment>{ALIGNCENTER, ALIGNLEFT, ALIGNCENTER}));
}

TEST(ToDoSheet, OneRowLeavesOnlyTheTitleRowWhichIsNoLongerFixed) {
  GridModel grid(3, 6);
  grid.SetRowCount(1);
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_EQ(grid.FixedRows(), 0);
  grid.SetRowCount(-4);
  EXPECT_EQ(grid.RowCount(), 1);
  try {
    grid.SetColWidth(3, 10);
    ADD_FAILURE() << "a width beyond the last column must fail";
  } catch (const EInvalidGridOperation& failure) {
    EXPECT_EQ(failure.Message(), u"Grid index out of range");
  }
}

}  // namespace pendra
