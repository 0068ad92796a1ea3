#include "ui/NewTaskPlace.h"

#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace pendra {
namespace {

// The place in a sheet of three columns 50, 210 and 45 wide, of these task rows and empty ones
// below them.
NewTaskPlace PlaceAmong(const std::vector<std::array<const char16_t*, 3>>& rows, int extraRows = 0) {
  Sheet sheet(3, 1 + static_cast<int>(rows.size()) + extraRows);
  sheet.SetColWidth(0, 50);
  sheet.SetColWidth(1, 210);
  sheet.SetColWidth(2, 45);
  for (int col = 0; col < 3; ++col) sheet.SetCell(col, 0, u"Caption");
  for (size_t i = 0; i < rows.size(); ++i) {
    for (int col = 0; col < 3; ++col) sheet.SetCell(col, static_cast<int>(i) + 1, rows[i][col]);
  }
  return FindNewTaskPlace(sheet);
}

TEST(NewTaskPlace, TheFirstEmptyTaskRowInTheWidestColumnElseANewRow) {
  // A row of blanks is empty; one text anywhere in a row fills it.
  EXPECT_EQ(PlaceAmong({{u"Hoch", u"Steuer", u""}, {u" ", u"\t", u""}}), (NewTaskPlace{{1, 2}, false}));
  EXPECT_EQ(PlaceAmong({{u"", u"", u"10min"}}, 2), (NewTaskPlace{{1, 2}, false}));
  EXPECT_EQ(PlaceAmong({{u"a", u"b", u"c"}, {u"", u"", u"d"}}), (NewTaskPlace{{1, 3}, true}));
}

TEST(NewTaskPlace, TheLeftmostWidestColumnAndTheMenusRowLimit) {
  Sheet even(2, 3);
  even.SetColWidth(0, 100);
  even.SetColWidth(1, 100);
  EXPECT_EQ(FindNewTaskPlace(even), (NewTaskPlace{{0, 1}, false}));

  Sheet full(1, 100);
  for (int row = 0; row < full.RowCount(); ++row) full.SetCell(0, row, u"x");
  EXPECT_EQ(FindNewTaskPlace(full), NewTaskPlace{});
  full.SetCell(0, 99, u"");
  EXPECT_EQ(FindNewTaskPlace(full), (NewTaskPlace{{0, 99}, false}));
}

}  // namespace
}  // namespace pendra
