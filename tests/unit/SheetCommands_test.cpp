#include "ui/SheetCommands.h"

#include <gtest/gtest.h>

#include "sheet/ToDoSheet.h"
#include "ui/ColumnFitting.h"

namespace pendra {
namespace {

constexpr char16_t kRowQuestion[] = u"Möchten Sie die Zeile wirklich löschen?\r\nInhalt: ";
constexpr char16_t kColumnQuestion[] = u"Möchten Sie die Spalte wirklich löschen?\r\nInhalt: ";

// Answers every question the same way and remembers the questions it was asked.
struct Answerer {
  bool yes = true;
  std::vector<std::u16string> texts;
  std::vector<std::u16string> titles;

  AskYesNo Ask() {
    return [this](const std::u16string& text, const std::u16string& title) {
      texts.push_back(text);
      titles.push_back(title);
      return yes;
    };
  }
};

// The first-run sheet: captions, one example task, four empty rows.
GridModel FirstSheet(std::vector<TCellAlignment>& alignments) {
  GridModel grid(3, 6);
  FillFirstSheet(grid, alignments);
  return grid;
}

std::vector<std::u16string> Row(const GridModel& grid, int row) {
  std::vector<std::u16string> cells;
  for (int col = 0; col < grid.ColCount(); ++col) cells.push_back(grid.Cell(col, row));
  return cells;
}

TEST(SheetCommands, TrimmedCellTextDropsBlanksAndControlCharactersAtBothEnds) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"", u""},
      {u" \t\r\n\x01\x1f ", u""},
      {u"  Hoch ", u"Hoch"},
      {u"\t a  b \r\n", u"a  b"},
      {u"\x7f", u"\x7f"},                    // DEL is above 32
      {u"\u00a0x\u00a0", u"\u00a0x\u00a0"},  // so is the no-break space
  };
  for (const auto& [text, trimmed] : cases) EXPECT_EQ(TrimmedCellText(text), trimmed);
}

struct QuestionCase {
  std::vector<std::u16string> lastRow;
  std::u16string contents;  // what follows "Inhalt: "; empty when there is no question
};

TEST(SheetCommands, DeleteRowAsksWithTheLastRowsTrimmedTexts) {
  const QuestionCase cases[] = {
      {{u"Hoch", u"...Klicken für neue Aufgabe", u"10min"}, u"Hoch, ...Klicken für neue Aufgabe, 10min"},
      {{u"", u"  nur die Mitte \t", u""}, u"nur die Mitte"},
      {{u"a", u" ", u"c"}, u"a, c"},
      {{u" ", u"\t", u""}, u""},
  };
  for (const QuestionCase& c : cases) {
    GridModel grid(3, 4);
    for (int col = 0; col < 3; ++col) grid.SetCell(col, 3, c.lastRow[col]);
    Answerer answer;
    EXPECT_TRUE(DeleteRow(grid, answer.Ask()));
    EXPECT_EQ(grid.RowCount(), 3);
    if (c.contents.empty()) {
      EXPECT_TRUE(answer.texts.empty());
    } else {
      EXPECT_EQ(answer.texts, std::vector<std::u16string>{kRowQuestion + c.contents});
      EXPECT_EQ(answer.titles, std::vector<std::u16string>{u"Achtung"});
    }
  }
}

TEST(SheetCommands, DeleteColumnAsksWithTheLastColumnsTextsCaptionIncluded) {
  std::vector<TCellAlignment> alignments;
  GridModel grid = FirstSheet(alignments);
  grid.SetCell(2, 3, u" 5min ");
  Answerer answer;
  EXPECT_TRUE(DeleteColumn(grid, alignments, answer.Ask()));
  EXPECT_EQ(answer.texts, std::vector<std::u16string>{kColumnQuestion + std::u16string(u"Zeit, 10min, 5min")});
  EXPECT_EQ(answer.titles, std::vector<std::u16string>{u"Achtung"});
  EXPECT_EQ(grid.ColCount(), 2);
  EXPECT_EQ(alignments, (std::vector<TCellAlignment>{ALIGNCENTER, ALIGNLEFT}));
}

TEST(SheetCommands, AnsweringNoKeepsEverything) {
  std::vector<TCellAlignment> alignments;
  GridModel grid = FirstSheet(alignments);
  grid.SetRowCount(2);
  ASSERT_TRUE(grid.SetCurrentCell({2, 1}));
  Answerer answer{.yes = false};

  EXPECT_FALSE(DeleteRow(grid, answer.Ask()));
  EXPECT_FALSE(DeleteColumn(grid, alignments, answer.Ask()));

  EXPECT_EQ(answer.texts.size(), 2u);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.ColCount(), 3);
  EXPECT_EQ(Row(grid, 0), (std::vector<std::u16string>{u"Prio", u"Aufgabe", u"Zeit"}));
  EXPECT_EQ(Row(grid, 1), (std::vector<std::u16string>{u"Hoch", u"...Klicken für neue Aufgabe", u"10min"}));
  EXPECT_EQ(alignments, (std::vector<TCellAlignment>{ALIGNCENTER, ALIGNLEFT, ALIGNCENTER}));
  EXPECT_EQ(grid.CurrentCell(), (GridCell{2, 1}));
}

TEST(SheetCommands, DeletedCellsComeBackEmpty) {
  std::vector<TCellAlignment> alignments;
  GridModel grid = FirstSheet(alignments);
  grid.SetRowCount(2);
  Answerer answer;

  ASSERT_TRUE(DeleteRow(grid, answer.Ask()));
  ASSERT_TRUE(AddRow(grid));
  EXPECT_EQ(Row(grid, 1), (std::vector<std::u16string>{u"", u"", u""}));

  ASSERT_TRUE(DeleteColumn(grid, alignments, answer.Ask()));
  ASSERT_TRUE(AddColumn(grid, alignments));
  EXPECT_EQ(grid.Cell(2, 0), u"");
  EXPECT_EQ(alignments, (std::vector<TCellAlignment>{ALIGNCENTER, ALIGNLEFT, ALIGNLEFT}));
}

TEST(SheetCommands, CurrentCellInTheDeletedRowMovesIntoTheNewLastRow) {
  GridModel grid(3, 6);
  ASSERT_TRUE(grid.SetCurrentCell({1, 5}));
  Answerer answer;
  ASSERT_TRUE(DeleteRow(grid, answer.Ask()));
  EXPECT_EQ(grid.CurrentCell(), (GridCell{1, 4}));
  EXPECT_TRUE(answer.texts.empty());
}

TEST(SheetCommands, TheTitleRowIsTheLastToGoAndThenOnlyEmptied) {
  std::vector<TCellAlignment> alignments;
  GridModel grid = FirstSheet(alignments);
  grid.SetRowCount(2);
  Answerer answer;

  ASSERT_TRUE(DeleteRow(grid, answer.Ask()));
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_EQ(grid.FixedRows(), 0);

  ASSERT_TRUE(DeleteRow(grid, answer.Ask()));
  EXPECT_EQ(answer.texts.back(), kRowQuestion + std::u16string(u"Prio, Aufgabe, Zeit"));
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_EQ(Row(grid, 0), (std::vector<std::u16string>{u"", u"", u""}));

  ASSERT_TRUE(AddRow(grid));
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.FixedRows(), 0);  // until the current cell moves to a task row
}

TEST(SheetCommands, TheOnlyColumnIsEmptiedAndKeepsItsAlignment) {
  GridModel grid(1, 3);
  std::vector<TCellAlignment> alignments = {ALIGNRIGHT};
  grid.SetCell(0, 0, u"Aufgabe");
  grid.SetCell(0, 2, u"Einkaufen");
  Answerer answer;

  ASSERT_TRUE(DeleteColumn(grid, alignments, answer.Ask()));
  EXPECT_EQ(answer.texts, std::vector<std::u16string>{kColumnQuestion + std::u16string(u"Aufgabe, Einkaufen")});
  EXPECT_EQ(grid.ColCount(), 1);
  EXPECT_EQ(grid.Cell(0, 0), u"");
  EXPECT_EQ(grid.Cell(0, 2), u"");
  EXPECT_EQ(alignments, std::vector<TCellAlignment>{ALIGNRIGHT});
}

TEST(SheetCommands, AddColumnHalvesTheLastWidthForItAndTheNewColumn) {
  struct Case {
    std::vector<int> widths;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {{50, 210, 45}, {50, 210, 21, 21}},
      {{50, 210, 20}, {50, 210, 9, 9}},
      {{64}, {31, 31}},
      {{1}, {0, 0}},  // half of 1 less 1 is below 0
  };
  for (const Case& c : cases) {
    GridModel grid(static_cast<int>(c.widths.size()), 6);
    for (int col = 0; col < grid.ColCount(); ++col) grid.SetColWidth(col, c.widths[col]);
    std::vector<TCellAlignment> alignments(c.widths.size(), ALIGNCENTER);
    ASSERT_TRUE(AddColumn(grid, alignments));
    EXPECT_EQ(grid.ColWidths(), c.expected);
    EXPECT_EQ(alignments.size(), c.expected.size());
    EXPECT_EQ(alignments.back(), ALIGNLEFT);
    EXPECT_EQ(alignments.front(), ALIGNCENTER);
  }
}

TEST(SheetCommands, AddColumnThenFittingFillsTheGrid) {
  std::vector<TCellAlignment> alignments;
  GridModel grid = FirstSheet(alignments);
  for (int col = 0; col < 3; ++col) grid.SetColWidth(col, std::vector{50, 210, 45}[col]);
  ASSERT_TRUE(AddColumn(grid, alignments));
  EXPECT_EQ(FitColumnWidths(grid.ColWidths(), 310, true), (std::vector<int>{50, 212, 21, 21}));
}

TEST(SheetCommands, AGridAtItsLimitDoesNotGrow) {
  GridModel wide(GridModel::kMaxColCount, 2);
  wide.SetColWidth(GridModel::kMaxColCount - 1, 40);
  std::vector<TCellAlignment> alignments(GridModel::kMaxColCount, ALIGNLEFT);
  EXPECT_FALSE(AddColumn(wide, alignments));
  EXPECT_EQ(wide.ColWidth(GridModel::kMaxColCount - 1), 40);
  EXPECT_EQ(alignments.size(), static_cast<size_t>(GridModel::kMaxColCount));

  GridModel tall(1, GridModel::kMaxRowCount);
  EXPECT_FALSE(AddRow(tall));
  EXPECT_EQ(tall.RowCount(), GridModel::kMaxRowCount);
}

}  // namespace
}  // namespace pendra
