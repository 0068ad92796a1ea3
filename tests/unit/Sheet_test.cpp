#include <gtest/gtest.h>

#include "sheet/Sheet.h"
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
