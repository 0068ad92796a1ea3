#pragma once
// The drawing of one sheet cell, background and text, on the DC the grid has prepared (font,
// colours, the DC brush in the grid's background for the cell): the title row on that background,
// centred and, if asked, bold; task rows on the task colour (white in the design), aligned by
// their column; the highlighted current cell on the highlight. Text is clipped at the cell, one line only,
// and drawn as typed.
#include <windows.h>

#include <string_view>

namespace pendra {

void DrawSheetCell(HDC dc, const RECT& rect, std::u16string_view text, int row, int alignment, bool titleBold,
                   bool highlighted, COLORREF taskColour);

}  // namespace pendra
