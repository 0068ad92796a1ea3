#include "sheet/WindowPlacement.h"

#include <gtest/gtest.h>

namespace pendra {

TEST(WindowPlacement, FirstSheetSitsFortyPixelsLeftOfTheRightEdgeAndCentred) {
  Point place = FirstSheetPosition(1920, 1080, 370, 211);
  EXPECT_EQ(place.x, 1510);
  EXPECT_EQ(place.y, 434);  // 540 - 105.5 = 434.5 goes to the even neighbour
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

}  // namespace pendra
