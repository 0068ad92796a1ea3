#include "sheet/SheetRules.h"

#include <gtest/gtest.h>

#include "GridFixtures.h"
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

// The first-run sheet and its view: captions, one example task, four empty rows.
class FirstSheet : public ViewedSheet {
 public:
  FirstSheet() : ViewedSheet(3, 6) { FillFirstSheet(*this); }
};

std::vector<std::u16string> Row(const Sheet& grid, int row) {
  std::vector<std::u16string> cells;
  for (int col = 0; col < grid.ColCount(); ++col) cells.push_back(grid.Cell(col, row));
  return cells;
}

TEST(SheetRules, AppendToRowFillsTheFirstEmptyCells) {
  Sheet sheet;
  EXPECT_EQ(AppendToRow(sheet, 1, u"a"), 0);
  EXPECT_EQ(AppendToRow(sheet, 1, u""), 1);
  EXPECT_EQ(AppendToRow(sheet, 1, u"c"), 2);
  EXPECT_EQ(AppendToRow(sheet, 1, u"d"), -1);
  EXPECT_EQ(sheet.Cell(0, 1), u"a");
  EXPECT_EQ(sheet.Cell(1, 1), u" ");
  EXPECT_EQ(sheet.Cell(2, 1), u"c");

  sheet.SetCell(1, 2, u"middle");
  EXPECT_EQ(AppendToRow(sheet, 2, u"x"), 0);
  EXPECT_EQ(AppendToRow(sheet, 2, u"y"), 2);
  EXPECT_EQ(sheet.Cell(1, 2), u"middle");
  EXPECT_EQ(AppendToRow(sheet, 6, u"beyond the last row"), -1);
}

TEST(SheetRules, FirstSheetHasCaptionsAndOneExampleTask) {
  Sheet sheet;
  FillFirstSheet(sheet);
  EXPECT_EQ(sheet.Cell(0, 0) + u"|" + sheet.Cell(1, 0) + u"|" + sheet.Cell(2, 0), u"Prio|Aufgabe|Zeit");
  EXPECT_EQ(sheet.Cell(1, 1), u"...Klicken für neue Aufgabe");
  EXPECT_EQ(sheet.Cell(2, 1), u"10min");
  EXPECT_EQ(sheet.Cell(0, 2), u"");
  EXPECT_EQ(sheet.RowCount(), 6);
  EXPECT_EQ(sheet.Alignments(), (std::vector<TCellAlignment>{ALIGNCENTER, ALIGNLEFT, ALIGNCENTER}));
}

TEST(SheetRules, DeleteLineBreaksPutsTheTextOnOneLine) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"a\r\nb\r\n", u"a  b"}, {u"  lead\n", u"  lead"},  // leading blanks stay
      {u"\r\n", u""},           {u"x\t \x01", u"x"},      {u"a\rb\nc", u"a b c"}, {u"", u""},
  };
  for (const auto& [text, line] : cases) EXPECT_EQ(DeleteLineBreaks(text), line);
}

TEST(SheetRules, EnteringABlankCellEmptiesIt) {
  Sheet sheet;
  sheet.SetCell(0, 1, u" \t ");
  sheet.SetCell(1, 1, u" x ");
  EmptyIfBlank(sheet, 0, 1);
  EmptyIfBlank(sheet, 1, 1);
  EXPECT_EQ(sheet.Cell(0, 1), u"");
  EXPECT_EQ(sheet.Cell(1, 1), u" x ");
}

TEST(SheetRules, TrimmedCellTextDropsBlanksAndControlCharactersAtBothEnds) {
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

TEST(SheetRules, DeleteRowAsksWithTheLastRowsTrimmedTexts) {
  const QuestionCase cases[] = {
      {{u"Hoch", u"...Klicken für neue Aufgabe", u"10min"}, u"Hoch, ...Klicken für neue Aufgabe, 10min"},
      {{u"", u"  nur die Mitte \t", u""}, u"nur die Mitte"},
      {{u"a", u" ", u"c"}, u"a, c"},
      {{u" ", u"\t", u""}, u""},
  };
  for (const QuestionCase& c : cases) {
    Sheet grid(3, 4);
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

TEST(SheetRules, DeleteColumnAsksWithTheLastColumnsTextsCaptionIncluded) {
  FirstSheet grid;
  grid.SetCell(2, 3, u" 5min ");
  Answerer answer;
  EXPECT_TRUE(DeleteColumn(grid, answer.Ask()));
  EXPECT_EQ(answer.texts, std::vector<std::u16string>{kColumnQuestion + std::u16string(u"Zeit, 10min, 5min")});
  EXPECT_EQ(answer.titles, std::vector<std::u16string>{u"Achtung"});
  EXPECT_EQ(grid.ColCount(), 2);
  EXPECT_EQ(grid.Alignments(), (std::vector<TCellAlignment>{ALIGNCENTER, ALIGNLEFT}));
}

TEST(SheetRules, AnsweringNoKeepsEverything) {
  FirstSheet grid;
  grid.SetRowCount(2);
  ASSERT_TRUE(grid.SetCurrentCell({2, 1}));
  Answerer answer{.yes = false};

  EXPECT_FALSE(DeleteRow(grid, answer.Ask()));
  EXPECT_FALSE(DeleteColumn(grid, answer.Ask()));

  EXPECT_EQ(answer.texts.size(), 2u);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.ColCount(), 3);
  EXPECT_EQ(Row(grid, 0), (std::vector<std::u16string>{u"Prio", u"Aufgabe", u"Zeit"}));
  EXPECT_EQ(Row(grid, 1), (std::vector<std::u16string>{u"Hoch", u"...Klicken für neue Aufgabe", u"10min"}));
  EXPECT_EQ(grid.Alignments(), (std::vector<TCellAlignment>{ALIGNCENTER, ALIGNLEFT, ALIGNCENTER}));
  EXPECT_EQ(grid.CurrentCell(), (GridCell{2, 1}));
}

TEST(SheetRules, DeletedCellsComeBackEmpty) {
  FirstSheet grid;
  grid.SetRowCount(2);
  Answerer answer;

  ASSERT_TRUE(DeleteRow(grid, answer.Ask()));
  ASSERT_TRUE(AddRow(grid));
  EXPECT_EQ(Row(grid, 1), (std::vector<std::u16string>{u"", u"", u""}));

  ASSERT_TRUE(DeleteColumn(grid, answer.Ask()));
  ASSERT_TRUE(AddColumn(grid));
  EXPECT_EQ(grid.Cell(2, 0), u"");
  EXPECT_EQ(grid.Alignments(), (std::vector<TCellAlignment>{ALIGNCENTER, ALIGNLEFT, ALIGNLEFT}));
}

TEST(SheetRules, CurrentCellInTheDeletedRowMovesIntoTheNewLastRow) {
  ViewedSheet grid(3, 6);
  ASSERT_TRUE(grid.SetCurrentCell({1, 5}));
  Answerer answer;
  ASSERT_TRUE(DeleteRow(grid, answer.Ask()));
  EXPECT_EQ(grid.CurrentCell(), (GridCell{1, 4}));
  EXPECT_TRUE(answer.texts.empty());
}

TEST(SheetRules, TheTitleRowIsTheLastToGoAndThenOnlyEmptied) {
  FirstSheet grid;
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

TEST(SheetRules, TheOnlyColumnIsEmptiedAndKeepsItsAlignment) {
  Sheet grid(1, 3);
  grid.SetAlignment(0, ALIGNRIGHT);
  grid.SetCell(0, 0, u"Aufgabe");
  grid.SetCell(0, 2, u"Einkaufen");
  Answerer answer;

  ASSERT_TRUE(DeleteColumn(grid, answer.Ask()));
  EXPECT_EQ(answer.texts, std::vector<std::u16string>{kColumnQuestion + std::u16string(u"Aufgabe, Einkaufen")});
  EXPECT_EQ(grid.ColCount(), 1);
  EXPECT_EQ(grid.Cell(0, 0), u"");
  EXPECT_EQ(grid.Cell(0, 2), u"");
  EXPECT_EQ(grid.Alignments(), std::vector<TCellAlignment>{ALIGNRIGHT});
}

TEST(SheetRules, AddColumnHalvesTheLastWidthForItAndTheNewColumn) {
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
    Sheet grid(static_cast<int>(c.widths.size()), 6);
    for (int col = 0; col < grid.ColCount(); ++col) {
      grid.SetColWidth(col, c.widths[col]);
      grid.SetAlignment(col, ALIGNCENTER);
    }
    ASSERT_TRUE(AddColumn(grid));
    EXPECT_EQ(grid.ColWidths(), c.expected);
    EXPECT_EQ(grid.Alignments().size(), c.expected.size());
    EXPECT_EQ(grid.Alignments().back(), ALIGNLEFT);
    EXPECT_EQ(grid.Alignments().front(), ALIGNCENTER);
  }
}

TEST(SheetRules, AddColumnThenFittingFillsTheGrid) {
  FirstSheet grid;
  for (int col = 0; col < 3; ++col) grid.SetColWidth(col, std::vector{50, 210, 45}[col]);
  ASSERT_TRUE(AddColumn(grid));
  EXPECT_EQ(FitColumnWidths(grid.ColWidths(), 310, true), (std::vector<int>{50, 212, 21, 21}));
}

TEST(SheetRules, AGridAtItsLimitDoesNotGrow) {
  Sheet wide(Sheet::kMaxColCount, 2);
  wide.SetColWidth(Sheet::kMaxColCount - 1, 40);
  EXPECT_FALSE(AddColumn(wide));
  EXPECT_EQ(wide.ColWidth(Sheet::kMaxColCount - 1), 40);
  EXPECT_EQ(wide.Alignments().size(), static_cast<size_t>(Sheet::kMaxColCount));

  Sheet tall(1, Sheet::kMaxRowCount);
  EXPECT_FALSE(AddRow(tall));
  EXPECT_EQ(tall.RowCount(), Sheet::kMaxRowCount);
}

}  // namespace
}  // namespace pendra
