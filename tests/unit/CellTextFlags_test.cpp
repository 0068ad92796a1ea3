#include <gtest/gtest.h>

#include "ui/CellTextFlags.h"

namespace pendra {
namespace {

TEST(GridCellTextFlags, TitleIsCentredAndTasksFollowTheirAlignment) {
  struct Case {
    int row;
    int alignment;
    unsigned flags;
  };
  const Case cases[] = {
      {0, 0, 37}, {0, 2, 37}, {0, 9, 37},  // the title row ignores the alignment
      {1, 0, 36}, {1, 1, 37}, {7, 2, 38}, {3, 3, 36}, {3, -1, 36}, {3, 255, 36},
  };
  for (const Case& c : cases) EXPECT_EQ(CellTextFlags(c.row, c.alignment), c.flags) << c.row << "," << c.alignment;
}

}  // namespace
}  // namespace pendra
