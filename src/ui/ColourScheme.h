#pragma once
// Which colours the sheet and its decoration are painted in. Normally the design's own colours
// (a blue-white grid, a light-blue title row, white task cells, silver lines); while the system's
// high-contrast mode is on, only the system's colours, so that the user's theme decides every
// pixel: no picture of a skin or of the edge bands is drawn, the current cell is highlighted also
// while the grid has the focus, and the small pictures that carry a function lie on a plate
// that keeps their dark ink visible.
#include <cstdint>

namespace pendra {

// A colour as Windows writes it: 0x00BBGGRR.
using Colour = std::uint32_t;

constexpr Colour MakeColour(int red, int green, int blue) {
  return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) | (static_cast<Colour>(blue) << 16);
}

// The system colours the sheet may use.
struct SystemColours {
  Colour window = 0;
  Colour windowText = 0;
  Colour highlight = 0;
  Colour highlightText = 0;
  Colour buttonFace = 0;
  Colour buttonText = 0;
  bool operator==(const SystemColours&) const = default;
};

struct ColourScheme {
  bool highContrast = false;
  // The grid's area beside and below the cells.
  Colour gridBackground = 0;
  Colour titleBackground = 0;
  Colour titleText = 0;
  Colour taskBackground = 0;
  Colour taskText = 0;
  // The current cell where it is highlighted: always in high contrast, otherwise only while the
  // grid is not the focused control.
  Colour currentBackground = 0;
  Colour currentText = 0;
  bool highlightFocusedCurrent = false;
  Colour cellLine = 0;
  Colour titleLine = 0;
  // The places of the missing vertical lines in the title row.
  Colour titleGap = 0;
  // The two inks of the dotted focus rectangle.
  Colour focusInk = 0;
  Colour focusPaper = 0;
  // The window's own surface, and what is drawn on it.
  Colour surface = 0;
  Colour surfaceText = 0;
  // Edge bands, corners and skins are drawn.
  bool decorationPictures = true;
  // Under the logo and the small buttons' pictures in high contrast, and its frame.
  Colour plate = 0;
  Colour plateFrame = 0;
  bool operator==(const ColourScheme&) const = default;
};

inline constexpr Colour kDesignGridColour = MakeColour(245, 245, 255);
inline constexpr Colour kDesignFixedColour = MakeColour(215, 228, 242);
inline constexpr Colour kDesignTaskColour = MakeColour(255, 255, 255);
inline constexpr Colour kDesignCellLineColour = MakeColour(192, 192, 192);
inline constexpr Colour kDesignTitleLineColour = MakeColour(0, 0, 0);

ColourScheme ChooseColourScheme(bool highContrast, const SystemColours& system);

// How light a colour looks, 0 (black) to 255 (white).
int Lightness(Colour colour);

}  // namespace pendra
