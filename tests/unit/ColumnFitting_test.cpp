#include "ui/ColumnFitting.h"

#include <climits>
#include <gtest/gtest.h>

namespace pendra {
namespace {

TEST(LayoutColumnFitting, SlackColumnIsTheSecondUnlessThereIsOnlyOne) {
  EXPECT_EQ(SlackColumn(1), 0);
  EXPECT_EQ(SlackColumn(2), 1);
  EXPECT_EQ(SlackColumn(7), 1);
}

struct FittingCase {
  std::vector<int> widths;
  int gridWidth;
  bool lines;
  std::vector<int> expected;
};

TEST(LayoutColumnFitting, WorkedCases) {
  const FittingCase cases[] = {
      // Default columns in the first-run grid, with and without the line reserve.
      {{50, 235, 45}, 310, true, {50, 210, 45}},
      {{50, 235, 45}, 310, false, {50, 213, 45}},
      // Narrower than the grid: the slack column grows.
      {{50, 100, 45}, 310, true, {50, 210, 45}},
      // A new column after Add Column: the slack column takes the remaining pixels.
      {{50, 210, 21, 21}, 310, true, {50, 212, 21, 21}},
      {{50, 210, 9, 9}, 310, true, {50, 236, 20, 20}},
      // One column takes the whole available width.
      {{64}, 310, true, {307}},
      {{64}, 310, false, {308}},
      {{64}, 10, true, {20}},
      // Overflow: the slack column stops at 20 and the columns overflow the grid.
      {{200, 235, 200}, 310, true, {200, 20, 200}},
      // A tiny or empty grid.
      {{50, 235, 45}, 0, true, {50, 20, 45}},
      {{50, 235, 45}, -30, false, {50, 20, 45}},
  };
  for (const FittingCase& c : cases) {
    EXPECT_EQ(FitColumnWidths(c.widths, c.gridWidth, c.lines), c.expected) << c.gridWidth << " " << c.lines;
  }
}

TEST(LayoutColumnFitting, NarrowColumnsOtherThanTheSlackAreRaisedTo20) {
  EXPECT_EQ(FitColumnWidths({5, 100, -3}, 310, true), (std::vector<int>{20, 303, 20}));
}

TEST(LayoutColumnFitting, HugeWidthsDoNotOverflow) {
  EXPECT_EQ(FitColumnWidths({INT_MAX, INT_MAX, INT_MAX}, 310, true), (std::vector<int>{INT_MAX, 20, INT_MAX}));
  EXPECT_EQ(FitColumnWidths({INT_MIN, INT_MIN}, INT_MAX, false), (std::vector<int>{20, INT_MAX}));
}

TEST(LayoutColumnFitting, NoColumnsStayNoColumns) { EXPECT_TRUE(FitColumnWidths({}, 310, true).empty()); }

TEST(LayoutColumnFitting, OneColumnNeverScrollsSideways) {
  EXPECT_EQ(AllowedScrollBars(1), (ScrollBarsAllowed{true, false}));
  EXPECT_EQ(AllowedScrollBars(2), (ScrollBarsAllowed{true, true}));
  EXPECT_EQ(AllowedScrollBars(100), (ScrollBarsAllowed{true, true}));
}

}  // namespace
}  // namespace pendra
