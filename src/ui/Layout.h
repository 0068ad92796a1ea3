#pragma once
// Where FormResize places the main window's controls, as a pure function of the client size
// and the display's scale. Positions follow the formulas even for tiny windows; sizes never
// drop below 0. The sizes below are the design's (120 dpi); a Scale gives them in pixels.
#include "platform/Geometry.h"
#include "platform/Scale.h"

namespace pendra {

struct FormLayout {
  Rect ToDoGrid;
  Rect ImageRedButtonAufklapper;
  Rect ImageTop;
  Rect ImageRight;
  Rect ImageBottom;
  Rect ImageTopRight;
  Rect ImageBottomRight;
  Rect PanelExitIcon;
  Rect PanelMinimizeIcon;
  Rect ImageLogo;
  Rect PanelPlusRow;
  Rect PanelMinusRow;
  Rect PanelPlusColumn;
  Rect PanelMinusColumn;
};

// The frame of decoration around the grid, on every side.
constexpr int kFrameBand = 30;
// The size of the plus/minus pictures and their holders.
constexpr int kSmallButtonSize = 9;
// The size of the exit and minimize pictures and their holders.
constexpr int kIconButtonSize = 16;
// With a skin the right edge picture is this wide (mostly beyond the window's edge).
constexpr int kSkinRightWidth = 180;
// The corner pictures begin this far left of the right edge (and above the bottom edge).
constexpr int kCornerInset = 70;

// The corner pictures are always 250 x 100 (the design size, and the size a skin gets), so
// the result does not depend on their previous state.
FormLayout ComputeFormLayout(int clientWidth, int clientHeight, bool skinLoaded, Scale scale = {});

}  // namespace pendra
