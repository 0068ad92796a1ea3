#pragma once
// The text of one sheet cell, on the DC the grid has prepared (font, colours, the cell's
// background filled: task rows white, the highlighted current cell of an unfocused grid in the
// highlight): the title row centred and, if asked, bold; task rows aligned by their column.
// Text is clipped at the cell, one line only, and drawn as typed.
#include <windows.h>

#include <string_view>

namespace pendra {

constexpr COLORREF kTaskCellColour = RGB(255, 255, 255);

// The cell's background is filled already, and the DC's background colour is the cell's.
void DrawSheetCell(HDC dc, const RECT& rect, std::u16string_view text, int row, int alignment, bool titleBold);

}  // namespace pendra
