#include "ui/CellDrawing_win.h"

#include "platform/Unique_win.h"
#include "ui/CellTextFlags.h"

namespace pendra {

// The portable text flags are Windows' DrawText flags.
static_assert(kCellTextLeft == (DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT));
static_assert(kCellTextCenter == (DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_CENTER));
static_assert(kCellTextRight == (DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_RIGHT));

namespace {

UniqueFont BoldVariantOf(HFONT font) {
  LOGFONTW description{};
  GetObjectW(font, sizeof(description), &description);
  description.lfWeight = FW_BOLD;
  return UniqueFont(CreateFontIndirectW(&description));
}

void DrawCellText(HDC dc, const RECT& rect, std::u16string_view text, unsigned flags) {
  RECT area = rect;
  DrawTextW(dc, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &area, flags);
}

void DrawTitleCell(HDC dc, const RECT& rect, std::u16string_view text, bool bold) {
  if (!bold) {
    DrawCellText(dc, rect, text, kCellTextCenter);
    return;
  }
  UniqueFont boldFont = BoldVariantOf(static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT)));
  SelectGuard selected(dc, boldFont.Get());
  DrawCellText(dc, rect, text, kCellTextCenter);
}

}  // namespace

void DrawSheetCell(HDC dc, const RECT& rect, std::u16string_view text, int row, int alignment, bool titleBold,
                   bool highlighted, COLORREF taskColour) {
  if (row > 0 && !highlighted) {
    SetDCBrushColor(dc, taskColour);
    SetBkColor(dc, taskColour);
  }
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  if (row == 0) {
    DrawTitleCell(dc, rect, text, titleBold);
  } else {
    DrawCellText(dc, rect, text, CellTextFlags(row, alignment));
  }
}

}  // namespace pendra
