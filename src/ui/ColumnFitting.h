#pragma once
// The arithmetic of AdjustColumnWidths: the SlackColumn takes up the difference between the
// columns' total width and the grid's width; then every column gets at least 20 pixels (at
// the design's scale).
#include <vector>

#include "platform/Scale.h"

namespace pendra {

constexpr int kMinimumColumnWidth = 20;

// Column 1 when there are two or more columns, else column 0.
int SlackColumn(int columnCount);

// The width the columns may fill: the grid's width less its one-pixel frame on each side,
// and less one line pixel per column while grid lines are drawn.
int AvailableColumnSpace(int gridWidth, int columnCount, bool drawGridLines);

// The fitted widths. Totals are summed without overflow, and widths stay within int.
std::vector<int> FitColumnWidths(std::vector<int> widths, int gridWidth, bool drawGridLines, Scale scale = {});

struct ScrollBarsAllowed {
  bool vertical = false;
  bool horizontal = false;
  bool operator==(const ScrollBarsAllowed&) const = default;
};

// One column may only ever scroll vertically; two or more may scroll both ways.
ScrollBarsAllowed AllowedScrollBars(int columnCount);

}  // namespace pendra
