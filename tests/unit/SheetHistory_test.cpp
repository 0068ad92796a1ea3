#include "sheet/SheetHistory.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

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

  Sheet large(3, 20'000);
  for (int row = 1; row < 20'000; ++row) large.SetCell(1, row, std::u16string(40, u'x'));
  SheetHistory bounded(large);
  for (int step = 0; step < 20; ++step) {
    large.SetCell(0, 1, std::u16string(step + 1, u'y'));
    bounded.Checkpoint();
  }
  EXPECT_LT(bounded.UndoSteps(), 20u);  // a few megabytes each: the oldest went
  EXPECT_GT(bounded.UndoSteps(), 0u);
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
