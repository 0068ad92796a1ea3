#include "ui/CellTextFlags.h"

#include <gtest/gtest.h>

namespace pendra {
namespace {

TEST(GridCellTextFlags, TitleIsCentredAndTasksFollowTheirAlignment) {
  struct Case {
    int row;
    int alignment;
    unsigned flags;
  };
  const Case cases[] = {
      {0, 0, 2085}, {0, 2, 2085}, {0, 9, 2085},  // the title row ignores the alignment
      {1, 0, 2084}, {1, 1, 2085}, {7, 2, 2086}, {3, 3, 2084}, {3, -1, 2084}, {3, 255, 2084},
  };
  for (const Case& c : cases) EXPECT_EQ(CellTextFlags(c.row, c.alignment), c.flags) << c.row << "," << c.alignment;
}

}  // namespace
}  // namespace pendra
