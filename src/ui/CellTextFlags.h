#pragma once
// The text-drawing flags of a sheet cell: one line, centred vertically; the title row centred,
// task rows by their column's alignment (0 left, 1 centre, 2 right; anything else left).
namespace pendra {

constexpr unsigned kCellTextLeft = 36;    // single line + vertical centre + left
constexpr unsigned kCellTextCenter = 37;  // single line + vertical centre + centre
constexpr unsigned kCellTextRight = 38;   // single line + vertical centre + right

unsigned CellTextFlags(int row, int alignment);

}  // namespace pendra
