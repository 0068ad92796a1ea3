#include "sheet/SheetHistory.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "sheet/SheetRules.h"

namespace pendra {
namespace {

// The first sheet with a second task, as the user sees it.
void FillTasks(Sheet& sheet) {
  FillFirstSheet(sheet);
  sheet.SetGridLines(true);
  sheet.SetTitleBold(false);
  AppendToRow(sheet, 2, u"Steuer");
  AppendToRow(sheet, 2, u"Belege sammeln");
}

bool Yes(const std::u16string&, const std::u16string&) { return true; }

TEST(SheetHistory, EveryKindOfStepIsUndoneAndRedoneExactly) {
  struct Case {
    const char* name;
    std::function<void(Sheet&)> step;
    SheetCell cell;  // the cell the undo selects
    std::function<void(Sheet&)> before = [](Sheet&) {};
  };
  const Case cases[] = {
      {"a cell's edit", [](Sheet& s) { s.SetCell(1, 3, u"Einkaufen"); }, {1, 3}},
      {"a cut", [](Sheet& s) { s.SetCell(1, 1, u""); }, {1, 1}},
      {"add row", [](Sheet& s) { AddRow(s); }, {0, 6}},
      {"delete a filled row", [](Sheet& s) { DeleteRow(s, Yes); }, {2, 5}, [](Sheet& s) { s.SetCell(2, 5, u"spät"); }},
      {"add column", [](Sheet& s) { AddColumn(s); }, {3, 1}},
      {"delete a filled column",
       [](Sheet& s) { DeleteColumn(s, Yes); },
       {2, 0},
       [](Sheet& s) {
         s.SetAlignment(2, ALIGNRIGHT);
         s.SetColWidth(2, 77);
       }},
      {"title text", [](Sheet& s) { s.SetCell(0, 0, u"Wichtig"); }, {0, 0}},
      {"title bold", [](Sheet& s) { s.SetTitleBold(true); }, {}},
      {"grid lines", [](Sheet& s) { s.SetGridLines(false); }, {}},
      {"alignment", [](Sheet& s) { s.SetAlignment(1, ALIGNCENTER); }, {1, 1}},
      {"column width", [](Sheet& s) { s.SetColWidth(0, 90); }, {0, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Sheet sheet;
    FillTasks(sheet);
    c.before(sheet);
    SheetHistory history(sheet);
    const Sheet::Content before = sheet.Snapshot();
    c.step(sheet);
    history.Checkpoint();
    const Sheet::Content after = sheet.Snapshot();
    ASSERT_NE(after, before);

    EXPECT_EQ(history.Undo(), c.cell);
    EXPECT_EQ(sheet.Snapshot(), before);
    history.Redo();
    EXPECT_EQ(sheet.Snapshot(), after);
    history.Undo();
    EXPECT_EQ(sheet.Snapshot(), before);
  }
}

// A merged version: a task inserted in the middle, two tasks swapped, a column wider.
void Merged(Sheet& sheet) {
  Sheet::Content content = sheet.Snapshot();
  content.rows.Insert(2, {u"Neu", u"eingefügt"});
  std::vector<std::u16string> moved = content.rows[3];
  content.rows.Exchange(4, moved);
  content.rows.Exchange(3, moved);
  content.widths[0] += 5;
  sheet.Restore(content);
}

TEST(SheetHistory, AChainOfEveryKindOfStepIsWalkedBackAndForthExactly) {
  struct Step {
    const char* name;
    std::function<void(Sheet&)> change;
  };
  const std::vector<Step> steps = {
      {"a cell's edit", [](Sheet& s) { s.SetCell(1, 3, u"Einkaufen"); }},
      {"a cell emptied in its place", [](Sheet& s) { s.SetCell(2, 1, u""); }},
      {"add row", [](Sheet& s) { AddRow(s); }},
      {"text in the new row", [](Sheet& s) { s.SetCell(2, 6, u"neu"); }},
      {"rows cut", [](Sheet& s) { s.SetRowCount(3); }},
      {"empty rows added", [](Sheet& s) { s.SetRowCount(8); }},
      {"add column", [](Sheet& s) { AddColumn(s); }},
      {"the new column's caption", [](Sheet& s) { s.SetCell(3, 0, u"Wer"); }},
      {"delete a filled column", [](Sheet& s) { DeleteColumn(s, Yes); }},
      {"columns cut to one", [](Sheet& s) { s.SetColCount(1); }},
      {"columns back", [](Sheet& s) { s.SetColCount(3); }},
      {"title row made editable", [](Sheet& s) { s.SetFixedRows(0); }},
      {"title text", [](Sheet& s) { s.SetCell(0, 0, u"Wichtig"); }},
      {"title row fixed again", [](Sheet& s) { s.SetFixedRows(1); }},
      {"title bold", [](Sheet& s) { s.SetTitleBold(true); }},
      {"grid lines", [](Sheet& s) { s.SetGridLines(false); }},
      {"alignment", [](Sheet& s) { s.SetAlignment(1, ALIGNRIGHT); }},
      {"column width", [](Sheet& s) { s.SetColWidth(2, 99); }},
      {"a merged version", Merged},
      {"a filled row deleted",
       [](Sheet& s) {
         s.SetCell(1, s.RowCount() - 1, u"spät");
         DeleteRow(s, Yes);
       }},
      {"one row left", [](Sheet& s) { s.SetRowCount(1); }},
      {"rows again", [](Sheet& s) { s.SetRowCount(4); }},
      {"cells far apart in one batch",
       [](Sheet& s) {
         Sheet::Batch batch(s);
         s.SetCell(0, 1, u"oben");
         s.SetCell(2, 3, u"unten");
       }},
  };
  Sheet sheet;
  FillTasks(sheet);
  SheetHistory history(sheet);
  std::vector<Sheet::Content> states{sheet.Snapshot()};
  for (const Step& step : steps) {
    step.change(sheet);
    history.Checkpoint();
    states.push_back(sheet.Snapshot());
    ASSERT_NE(states.back(), states[states.size() - 2]) << step.name;
  }
  ASSERT_EQ(history.UndoSteps(), steps.size());

  for (size_t k = steps.size(); k > 0; --k) {
    SCOPED_TRACE(steps[k - 1].name);
    history.Undo();
    ASSERT_EQ(sheet.Snapshot(), states[k - 1]);
  }
  EXPECT_FALSE(history.CanUndo());
  for (size_t k = 1; k <= steps.size(); ++k) {
    SCOPED_TRACE(steps[k - 1].name);
    history.Redo();
    ASSERT_EQ(sheet.Snapshot(), states[k]);
  }
  EXPECT_FALSE(history.CanRedo());

  // Back to the middle, a new step there, and back again through it.
  const size_t middle = steps.size() / 2;
  while (history.UndoSteps() > middle) history.Undo();
  sheet.SetCell(1, 1, u"anders");
  history.Checkpoint();
  EXPECT_FALSE(history.CanRedo());
  history.Undo();
  EXPECT_EQ(sheet.Snapshot(), states[middle]);
  history.Undo();
  EXPECT_EQ(sheet.Snapshot(), states[middle - 1]);
}

TEST(SheetHistory, AThousandSingleCellEditsOfALargeSheetAllStayUndoable) {
  constexpr int kTasks = 10'000;
  Sheet sheet;
  sheet.SetRowCount(kTasks + 1);
  for (int row = 1; row <= kTasks; ++row) {
    sheet.SetCell(0, row, u"Hoch");
    sheet.SetCell(1, row, u"Steuer & Belege für Müller " + std::u16string(row % 20, u'x'));
    sheet.SetCell(2, row, u"10min");
  }
  SheetHistory history(sheet);
  const Sheet::Content before = sheet.Snapshot();
  for (int edit = 0; edit < static_cast<int>(SheetHistory::kMaxSteps); ++edit) {
    sheet.SetCell(edit % 3, 1 + edit * 37 % kTasks, u"Änderung " + std::u16string(1 + edit % 9, u'!'));
    history.Checkpoint();
  }
  EXPECT_EQ(history.UndoSteps(), SheetHistory::kMaxSteps);
  const Sheet::Content after = sheet.Snapshot();
  while (history.CanUndo()) history.Undo();
  EXPECT_EQ(sheet.Snapshot(), before);
  while (history.CanRedo()) history.Redo();
  EXPECT_EQ(sheet.Snapshot(), after);
}

TEST(SheetHistory, AnUncommittedChangeIsTheStepTheUndoTakesBack) {
  Sheet sheet;
  FillTasks(sheet);
  SheetHistory history(sheet);
  sheet.SetCell(0, 3, u"a");
  sheet.SetCell(0, 3, u"ab");  // typing: one edit, one step
  history.Undo();
  EXPECT_EQ(sheet.Cell(0, 3), u"");
  EXPECT_EQ(history.UndoSteps(), 0u);
}

TEST(SheetHistory, ANewChangeClearsTheRedoStepsAndAbsorbedChangesAreNoSteps) {
  Sheet sheet;
  FillTasks(sheet);
  SheetHistory history(sheet);
  sheet.SetCell(0, 3, u"a");
  history.Checkpoint();
  history.Undo();
  ASSERT_TRUE(history.CanRedo());
  sheet.SetCell(0, 4, u"b");
  history.Checkpoint();
  EXPECT_FALSE(history.CanRedo());

  sheet.SetCell(1, 4, u" ");
  history.Checkpoint();
  sheet.SetCell(1, 4, u"");  // emptied on entering
  history.Absorb();
  EXPECT_EQ(history.UndoSteps(), 2u);
  sheet.SetColWidth(1, 200);  // fitted to a new window size
  history.Absorb();
  history.Checkpoint();
  EXPECT_EQ(history.UndoSteps(), 2u);
  history.Undo();
  EXPECT_EQ(sheet.Cell(1, 4), u"");
  EXPECT_EQ(sheet.Cell(0, 4), u"b");
}

TEST(SheetHistory, TheBoundDropsTheOldestSteps) {
  Sheet sheet;
  SheetHistory history(sheet);
  for (size_t step = 0; step < SheetHistory::kMaxSteps + 5; ++step) {
    sheet.SetCell(
        0, 1, u"step " + std::u16string(1, static_cast<char16_t>(u'A' + step % 26)) + std::u16string(step % 7, u'.'));
    history.Checkpoint();
  }
  EXPECT_EQ(history.UndoSteps(), SheetHistory::kMaxSteps);

  // Steps that each rewrite a column of 20,000 rows.
  Sheet large(3, 20'000);
  SheetHistory bounded(large);
  for (int step = 0; step < 20; ++step) {
    for (int row = 1; row < 20'000; ++row) {
      large.SetCell(1, row, std::u16string(40, static_cast<char16_t>(u'a' + step)));
    }
    bounded.Checkpoint();
  }
  EXPECT_LT(bounded.UndoSteps(), 20u);  // a few megabytes each: the oldest went
  EXPECT_GT(bounded.UndoSteps(), 0u);
  const Sheet::Content last = large.Snapshot();
  bounded.Undo();
  EXPECT_EQ(large.Cell(1, 19'999), std::u16string(40, u's'));
  bounded.Redo();
  EXPECT_EQ(large.Snapshot(), last);
}

TEST(SheetHistory, WindowMovesAndTheSkinAreNoSteps) {
  Sheet sheet;
  SheetHistory history(sheet);
  sheet.SetWindowRect({5, 6, 370, 211});
  sheet.SetSkinName(u"Lime");
  history.Checkpoint();
  EXPECT_FALSE(history.CanUndo());
}

}  // namespace
}  // namespace pendra
