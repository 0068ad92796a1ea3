#pragma once
// The drawing of one sheet cell for the main window's ToDoGridDrawCell, on the DC the grid has
// prepared (font, colours, the grid's background filled): the title row centred and, if asked,
// bold; task rows on white, aligned by their column; the highlighted current cell of an unfocused
// grid keeps the highlight. Text is clipped at the cell, one line only, and drawn as typed.
#include <windows.h>

#include <string_view>

namespace pendra {

constexpr COLORREF kTaskCellColour = RGB(255, 255, 255);

void DrawSheetCell(HDC dc, const RECT& rect, std::u16string_view text, int row, int alignment, bool titleBold,
                   bool highlighted);

}  // namespace pendra
