#include "ui/GridGeometry.h"

#include <cstdlib>

namespace pendra {

std::vector<ShownLine> ShownRows(const GridModel& model) {
  std::vector<ShownLine> rows;
  const int pitch = model.RowPitch();
  std::int64_t y = 0;
  auto show = [&](int row) {
    rows.push_back({row, static_cast<int>(y)});
    y += pitch;
  };
  for (int row = 0; row < model.FixedRows() && y < model.ViewHeight(); ++row) show(row);
  for (int row = model.TopRow(); row < model.RowCount() && y < model.ViewHeight(); ++row) show(row);
  return rows;
}

std::vector<ShownLine> ShownCols(const GridModel& model) {
  std::vector<ShownLine> cols;
  std::int64_t x = 0;
  for (int col = model.LeftCol(); col < model.ColCount() && x < model.ViewWidth(); ++col) {
    cols.push_back({col, static_cast<int>(x)});
    x += model.ColWidths()[col] + std::int64_t{model.LineWidth()};
  }
  return cols;
}

namespace {

bool FindShown(const std::vector<ShownLine>& lines, int index, int& start) {
  for (const ShownLine& line : lines) {
    if (line.index == index) {
      start = line.start;
      return true;
    }
  }
  return false;
}

}  // namespace

bool CellRect(const GridModel& model, GridCell cell, Rect& rect) {
  int left = 0;
  int top = 0;
  if (!FindShown(ShownCols(model), cell.col, left) || !FindShown(ShownRows(model), cell.row, top)) return false;
  const std::int64_t right = left + std::int64_t{model.ColWidths()[cell.col]};
  rect = {left, top, static_cast<int>(std::min<std::int64_t>(right, INT32_MAX) - left), model.DefaultRowHeight()};
  return true;
}

GridCell CellAt(const GridModel& model, int x, int y) {
  if (x < 0 || y < 0 || x >= model.ViewWidth() || y >= model.ViewHeight()) return {};
  GridCell cell;
  for (const ShownLine& row : ShownRows(model)) {
    if (y >= row.start && y < row.start + std::int64_t{model.RowPitch()}) cell.row = row.index;
  }
  for (const ShownLine& col : ShownCols(model)) {
    const std::int64_t end = col.start + std::int64_t{model.ColWidths()[col.index]} + model.LineWidth();
    if (x >= col.start && x < end) cell.col = col.index;
  }
  if (cell.row < 0 || cell.col < 0) return {};
  return cell;
}

int ColumnBorderAt(const GridModel& model, int x, int y) {
  if (model.FixedRows() == 0 || y < 0 || y >= model.FixedRows() * model.RowPitch()) return -1;
  int found = -1;
  std::int64_t bestDistance = kBorderGrip + 1;
  for (const ShownLine& col : ShownCols(model)) {
    const std::int64_t border = col.start + std::int64_t{model.ColWidths()[col.index]};
    const std::int64_t distance = std::llabs(x - border);
    if (distance <= bestDistance) {
      bestDistance = distance;
      found = col.index;
    }
  }
  return bestDistance <= kBorderGrip ? found : -1;
}

std::int64_t ContentWidth(const GridModel& model) {
  std::int64_t width = -model.LineWidth();
  for (int w : model.ColWidths()) width += w + std::int64_t{model.LineWidth()};
  return width;
}

std::int64_t ContentHeight(const GridModel& model) {
  return std::int64_t{model.RowCount()} * model.RowPitch() - model.LineWidth();
}

ScrollBarsShown NeededScrollBars(const GridModel& model, int areaWidth, int areaHeight, int verticalBarWidth,
                                 int horizontalBarHeight, ScrollBarsAllowed allowed) {
  const std::int64_t contentWidth = ContentWidth(model);
  const std::int64_t contentHeight = ContentHeight(model);
  ScrollBarsShown shown;
  shown.vertical = allowed.vertical && contentHeight > areaHeight;
  const int width = areaWidth - (shown.vertical ? verticalBarWidth : 0);
  shown.horizontal = allowed.horizontal && contentWidth > width;
  // The horizontal bar takes height, which may make the rows overflow after all.
  if (shown.horizontal && !shown.vertical) {
    shown.vertical = allowed.vertical && contentHeight > areaHeight - horizontalBarHeight;
  }
  return shown;
}

}  // namespace pendra
