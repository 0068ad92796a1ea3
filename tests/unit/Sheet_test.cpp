#include "sheet/Sheet.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pendra {

TEST(Sheet, AlignmentListFollowsTheColumnCount) {
  Sheet sheet;
  const TCellAlignment first[] = {ALIGNCENTER, ALIGNLEFT, ALIGNRIGHT};
  for (int col = 0; col < 3; ++col) sheet.SetAlignment(col, first[col]);
  sheet.SetColCount(5);
  EXPECT_EQ(sheet.Alignments(),
            (std::vector<TCellAlignment>{ALIGNCENTER, ALIGNLEFT, ALIGNRIGHT, ALIGNLEFT, ALIGNLEFT}));
  sheet.SetColCount(2);
  EXPECT_EQ(sheet.Alignments(), (std::vector<TCellAlignment>{ALIGNCENTER, ALIGNLEFT}));
  sheet.SetColCount(0);
  EXPECT_EQ(sheet.Alignments(), (std::vector<TCellAlignment>{ALIGNCENTER}));
  EXPECT_EQ(sheet.Alignment(1), ALIGNLEFT);  // a column that does not exist
  EXPECT_THROW(sheet.SetAlignment(1, ALIGNRIGHT), EInvalidGridOperation);
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

TEST(Sheet, GridLinesSetTheLineWidthWhichIsOneUntilThen) {
  Sheet sheet;
  EXPECT_FALSE(sheet.DrawGridLines());
  EXPECT_EQ(sheet.LineWidth(), 1);
  sheet.SetGridLines(false);
  EXPECT_EQ(sheet.LineWidth(), 0);
  EXPECT_TRUE(sheet.Flags().ShowGridLines.DeaktivVisible);
  sheet.SetGridLines(true);
  EXPECT_EQ(sheet.LineWidth(), 1);
}

TEST(Sheet, CountsNeverDropBelowOneOrRiseAboveTheMaximum) {
  Sheet sheet(3, 6);
  sheet.SetRowCount(0);
  sheet.SetColCount(-4);
  EXPECT_EQ(sheet.RowCount(), 1);
  EXPECT_EQ(sheet.ColCount(), 1);
  EXPECT_EQ(sheet.ColWidths().size(), 1u);
  sheet.SetRowCount(2'000'000'000);
  sheet.SetColCount(2'000'000'000);
  EXPECT_EQ(sheet.RowCount(), Sheet::kMaxRowCount);
  EXPECT_EQ(sheet.ColCount(), Sheet::kMaxColCount);
}

TEST(Sheet, ColumnWidthOutsideTheGridIsAnInvalidGridOperation) {
  Sheet sheet(3, 6);
  for (int col : {3, 4, -1}) {
    try {
      sheet.SetColWidth(col, 40);
      FAIL() << col;
    } catch (const EInvalidGridOperation& failure) {
      EXPECT_EQ(failure.Message(), u"Grid index out of range");
      EXPECT_EQ(std::u16string(failure.TypeName()), u"EInvalidGridOperation");
    }
  }
  sheet.SetColWidth(2, -7);
  EXPECT_EQ(sheet.ColWidth(2), 0);
}

TEST(Sheet, NewColumnsGetTheDefaultWidthAndKeepTheOthers) {
  Sheet sheet;
  sheet.SetColCount(4);
  EXPECT_EQ(sheet.ColWidths(), (std::vector<int>{50, 235, 45, Sheet::kDefaultColWidth}));
}

TEST(Sheet, CellsHoldAnyUtf16AndShrinkingForgetsThem) {
  Sheet sheet(3, 6);
  const std::u16string text = u"Größe \U0001F600 \r\n&";
  sheet.SetCell(2, 5, text);
  EXPECT_EQ(sheet.Cell(2, 5), text);
  EXPECT_EQ(sheet.Cell(3, 5), u"");
  EXPECT_EQ(sheet.Cell(-1, 0), u"");
  EXPECT_THROW(sheet.SetCell(3, 0, u"x"), EInvalidGridOperation);
  EXPECT_THROW(sheet.SetCell(0, 6, u"x"), EInvalidGridOperation);
  sheet.SetColCount(2);
  sheet.SetColCount(3);
  EXPECT_EQ(sheet.Cell(2, 5), u"");
  sheet.SetCell(1, 5, u"b");
  sheet.SetRowCount(5);
  sheet.SetRowCount(6);
  EXPECT_EQ(sheet.Cell(1, 5), u"");
}

// Writes down what the sheet told it, as "kind col,row".
class RecordingObserver : public SheetObserver {
 public:
  void SheetChanged(const SheetChange& change) override {
    const char* kinds[] = {"cell", "structure", "look", "window"};
    log.push_back(std::string(kinds[static_cast<int>(change.kind)]) + " " + std::to_string(change.col) + "," +
                  std::to_string(change.row));
  }
  std::vector<std::string> log;
};

TEST(Sheet, ObserversHearWhatChangedAndNothingWhenNothingDid) {
  Sheet sheet;
  RecordingObserver observer;
  sheet.AddObserver(observer);
  sheet.SetCell(1, 2, u"Einkaufen");
  sheet.SetCell(1, 2, u"Einkaufen");
  sheet.SetCell(2, 3, u"");  // an empty cell stays empty
  sheet.SetRowCount(6);
  sheet.SetRowCount(7);
  sheet.SetColWidth(0, 50);
  sheet.SetColWidth(0, 51);
  sheet.SetAlignment(0, ALIGNRIGHT);
  sheet.SetTitleBold(true);
  sheet.SetGridLines(false);
  sheet.SetWindowRect({10, 20, 370, 211});
  sheet.SetWindowRect({10, 20, 370, 211});
  EXPECT_EQ(observer.log, (std::vector<std::string>{"cell 1,2", "structure -1,-1", "structure -1,-1", "look -1,-1",
                                                    "look -1,-1", "structure -1,-1", "window -1,-1"}));
  sheet.RemoveObserver(observer);
  sheet.SetCell(0, 1, u"x");
  EXPECT_EQ(observer.log.size(), 7u);
}

TEST(Sheet, ABatchTellsOneStructureChangeAtItsEndAlsoOnAFailure) {
  Sheet sheet;
  RecordingObserver observer;
  sheet.AddObserver(observer);
  {
    Sheet::Batch outer(sheet);
    {
      Sheet::Batch inner(sheet);
      sheet.SetCell(0, 1, u"a");
      sheet.SetRowCount(10);
    }
    sheet.SetCell(0, 2, u"b");
    EXPECT_TRUE(observer.log.empty());
  }
  EXPECT_EQ(observer.log, std::vector<std::string>{"structure -1,-1"});
  { Sheet::Batch unchanged(sheet); }
  EXPECT_EQ(observer.log.size(), 1u);
  try {
    Sheet::Batch failing(sheet);
    sheet.SetCell(0, 3, u"c");
    sheet.SetColWidth(7, 10);
  } catch (const EInvalidGridOperation&) {
  }
  EXPECT_EQ(observer.log.size(), 2u);
}

TEST(Sheet, OneRowLeavesOnlyTheTitleRowWhichIsNoLongerFixed) {
  Sheet sheet(3, 6);
  sheet.SetRowCount(1);
  EXPECT_EQ(sheet.RowCount(), 1);
  EXPECT_EQ(sheet.FixedRows(), 0);
  sheet.SetRowCount(-4);
  EXPECT_EQ(sheet.RowCount(), 1);
  try {
    sheet.SetColWidth(3, 10);
    ADD_FAILURE() << "a width beyond the last column must fail";
  } catch (const EInvalidGridOperation& failure) {
    EXPECT_EQ(failure.Message(), u"Grid index out of range");
  }
}

}  // namespace pendra
