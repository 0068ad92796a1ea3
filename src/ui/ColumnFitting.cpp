#include "ui/ColumnFitting.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <numeric>

namespace pendra {

int SlackColumn(int columnCount) { return columnCount >= 2 ? 1 : 0; }

int AvailableColumnSpace(int gridWidth, int columnCount, bool drawGridLines) {
  const std::int64_t space = std::int64_t{gridWidth} - 2 - (drawGridLines ? columnCount : 0);
  return static_cast<int>(std::clamp<std::int64_t>(space, INT_MIN, INT_MAX));
}

std::vector<int> FitColumnWidths(std::vector<int> widths, int gridWidth, bool drawGridLines, Scale scale) {
  if (widths.empty()) return widths;
  const int count = static_cast<int>(widths.size());
  const std::int64_t available = AvailableColumnSpace(gridWidth, count, drawGridLines);
  const std::int64_t total = std::accumulate(widths.begin(), widths.end(), std::int64_t{0});
  int& slack = widths[SlackColumn(count)];
  slack = static_cast<int>(std::clamp<std::int64_t>(slack + (available - total), INT_MIN, INT_MAX));
  for (int& width : widths) width = std::max(width, scale(kMinimumColumnWidth));
  return widths;
}

ScrollBarsAllowed AllowedScrollBars(int columnCount) { return {true, columnCount >= 2}; }

}  // namespace pendra
