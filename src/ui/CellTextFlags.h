#pragma once
// The text-drawing flags of a sheet cell: one line, centred vertically, drawn exactly as typed
// (an ampersand is no accelerator prefix); the title row centred, task rows by their column's
// alignment (0 left, 1 centre, 2 right; anything else left).
namespace pendra {

constexpr unsigned kCellTextLeft = 2084;    // single line + vertical centre + no prefix + left
constexpr unsigned kCellTextCenter = 2085;  // single line + vertical centre + no prefix + centre
constexpr unsigned kCellTextRight = 2086;   // single line + vertical centre + no prefix + right

unsigned CellTextFlags(int row, int alignment);

}  // namespace pendra
