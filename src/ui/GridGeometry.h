#pragma once
// Pixels of the grid's view: where cells are, which cell or title-row column border lies under
// a point, which rows and columns are on screen, and which scroll bars the content needs.
// Each row and column is followed by a line of the grid's line width.
#include <cstdint>
#include <vector>

#include "platform/Geometry.h"
#include "ui/ColumnFitting.h"
#include "ui/GridModel.h"

namespace pendra {

// A row or column on screen and where its cell starts.
struct ShownLine {
  int index = 0;
  int start = 0;
  bool operator==(const ShownLine&) const = default;
};

// The fixed row, then the scrolled rows from the top row, as far as the view reaches.
std::vector<ShownLine> ShownRows(const GridModel& model);
// The columns from the left column, as far as the view reaches.
std::vector<ShownLine> ShownCols(const GridModel& model);

// The cell's rectangle in view pixels, lines excluded; false when it is scrolled away or lies
// beyond the view.
bool CellRect(const GridModel& model, GridCell cell, Rect& rect);

// The cell under a point, counting the line right of and below a cell as the cell's; (-1, -1)
// when the point is outside every cell.
GridCell CellAt(const GridModel& model, int x, int y);

// The column whose right border lies within a few pixels of the point, when the point is in
// the fixed title row; -1 otherwise. Of two borders at the same distance the later column wins,
// so that a column dragged down to nothing can be widened again.
int ColumnBorderAt(const GridModel& model, int x, int y);
constexpr int kBorderGrip = 3;

// Size of all cells with the lines between them (the last line is not needed to show a cell).
std::int64_t ContentWidth(const GridModel& model);
std::int64_t ContentHeight(const GridModel& model);

struct ScrollBarsShown {
  bool vertical = false;
  bool horizontal = false;
  bool operator==(const ScrollBarsShown&) const = default;
};

// Which allowed scroll bars the content needs in an area of the given size (inside the frame),
// given the room each bar takes from the other direction.
ScrollBarsShown NeededScrollBars(const GridModel& model, int areaWidth, int areaHeight, int verticalBarWidth,
                                 int horizontalBarHeight, ScrollBarsAllowed allowed);

}  // namespace pendra
