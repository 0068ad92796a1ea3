#include "ui/ColourScheme.h"

namespace pendra {

namespace {

constexpr int Red(Colour colour) { return static_cast<int>(colour & 0xFF); }
constexpr int Green(Colour colour) { return static_cast<int>((colour >> 8) & 0xFF); }
constexpr int Blue(Colour colour) { return static_cast<int>((colour >> 16) & 0xFF); }

ColourScheme DesignScheme(const SystemColours& system) {
  ColourScheme scheme;
  scheme.gridBackground = kDesignGridColour;
  scheme.titleBackground = kDesignFixedColour;
  scheme.titleText = system.windowText;
  scheme.taskBackground = kDesignTaskColour;
  scheme.taskText = system.windowText;
  scheme.currentBackground = system.highlight;
  scheme.currentText = system.highlightText;
  scheme.cellLine = kDesignCellLineColour;
  scheme.titleLine = kDesignTitleLineColour;
  scheme.titleGap = kDesignFixedColour;
  scheme.focusInk = MakeColour(0, 0, 0);
  scheme.focusPaper = MakeColour(255, 255, 255);
  scheme.surface = system.buttonFace;
  scheme.surfaceText = system.buttonText;
  scheme.plate = system.buttonFace;
  scheme.plateFrame = system.buttonText;
  return scheme;
}

// The theme's colours only. The title row looks like a button face, the tasks like a window's
// text; the pictures' dark ink needs the lighter of the two button colours under it.
ColourScheme HighContrastScheme(const SystemColours& system) {
  ColourScheme scheme;
  scheme.highContrast = true;
  scheme.gridBackground = system.window;
  scheme.titleBackground = system.buttonFace;
  scheme.titleText = system.buttonText;
  scheme.taskBackground = system.window;
  scheme.taskText = system.windowText;
  scheme.currentBackground = system.highlight;
  scheme.currentText = system.highlightText;
  scheme.highlightFocusedCurrent = true;
  scheme.cellLine = system.windowText;
  scheme.titleLine = system.buttonText;
  scheme.titleGap = system.buttonFace;
  scheme.focusInk = system.highlightText;
  scheme.focusPaper = system.highlight;
  scheme.surface = system.buttonFace;
  scheme.surfaceText = system.buttonText;
  scheme.decorationPictures = false;
  const bool faceIsLighter = Lightness(system.buttonFace) >= Lightness(system.buttonText);
  scheme.plate = faceIsLighter ? system.buttonFace : system.buttonText;
  scheme.plateFrame = faceIsLighter ? system.buttonText : system.buttonFace;
  return scheme;
}

}  // namespace

// The weights of the eye's sensitivity (ITU-R BT.601), in thousandths.
int Lightness(Colour colour) { return (299 * Red(colour) + 587 * Green(colour) + 114 * Blue(colour)) / 1000; }

ColourScheme ChooseColourScheme(bool highContrast, const SystemColours& system) {
  return highContrast ? HighContrastScheme(system) : DesignScheme(system);
}

}  // namespace pendra
