#include "ui/EditSession.h"

#include <gtest/gtest.h>

#include "GridFixtures.h"

namespace pendra {
namespace {

constexpr int kCtrlZ = 'Z';

TEST(EditSession, ACommandIsOneStepACellsWholeEditIsOneAndTheProgramsOwnChangesAreNone) {
  FirstRunGrid grid;
  EditSession session(grid);
  session.Begin();

  session.Command();
  grid.SetTitleBold(true);
  grid.SetCurrentCell({1, 1});
  for (const char16_t* typed : {u"a", u"ab", u"abc"}) {
    session.Key(grid, 'A', false, false);
    if (!grid.IsEditing()) grid.BeginEditing();
    grid.SetCell(1, 1, typed);
  }
  grid.EndEditing();
  session.Absorbed([&] { grid.SetColWidth(1, 150); });

  EXPECT_EQ(session.Key(grid, kCtrlZ, true, false), SheetKeyAction::Undo);
  EXPECT_EQ(session.Undo(), (SheetCell{1, 1}));
  EXPECT_EQ(grid.Cell(1, 1), u"");
  EXPECT_TRUE(grid.HeaderTextBold());
  session.Undo();
  EXPECT_FALSE(grid.HeaderTextBold());
  EXPECT_EQ(session.Undo(), (SheetCell{}));  // nothing before the session began
  EXPECT_EQ(session.Redo(), (SheetCell{}));
  EXPECT_TRUE(grid.HeaderTextBold());
}

// The columns fitted to a new window size after an edit stay fitted when the edit is taken back.
TEST(EditSession, TakingBackAnEditKeepsTheColumnsFittedAfterIt) {
  FirstRunGrid grid;
  EditSession session(grid);
  session.Begin();
  grid.SetCurrentCell({1, 1});
  session.Key(grid, 'A', false, false);
  grid.BeginEditing();
  grid.SetCell(1, 1, u"abc");
  grid.EndEditing();
  session.Absorbed([&] { grid.SetColWidth(1, 150); });

  EXPECT_EQ(session.Undo(), (SheetCell{1, 1}));
  EXPECT_EQ(grid.Cell(1, 1), u"");
  EXPECT_EQ(grid.ColWidth(1), 150);
  session.Redo();
  EXPECT_EQ(grid.Cell(1, 1), u"abc");
  EXPECT_EQ(grid.ColWidth(1), 150);
}

}  // namespace
}  // namespace pendra
