#include "ui/SystemColours_win.h"

#include <windows.h>

namespace pendra {

// COLORREF and Colour have the same layout.
static_assert(RGB(1, 2, 3) == MakeColour(1, 2, 3));

bool HighContrastOn() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof(contrast);
  if (!SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0)) return false;
  return (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

SystemColours CurrentSystemColours() {
  return {.window = GetSysColor(COLOR_WINDOW),
          .windowText = GetSysColor(COLOR_WINDOWTEXT),
          .highlight = GetSysColor(COLOR_HIGHLIGHT),
          .highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT),
          .buttonFace = GetSysColor(COLOR_BTNFACE),
          .buttonText = GetSysColor(COLOR_BTNTEXT)};
}

ColourScheme SystemColourScheme() { return ChooseColourScheme(HighContrastOn(), CurrentSystemColours()); }

}  // namespace pendra
