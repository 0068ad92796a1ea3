#pragma once
// Where FormResize places the main window's controls, as a pure function of the client size.
// Positions follow the formulas even for tiny windows; sizes never drop below 0.
namespace pendra {

struct ControlRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const ControlRect&) const = default;
};

struct FormLayout {
  ControlRect ToDoGrid;
  ControlRect ImageRedButtonAufklapper;
  ControlRect ImageTop;
  ControlRect ImageRight;
  ControlRect ImageBottom;
  ControlRect ImageTopRight;
  ControlRect ImageBottomRight;
  ControlRect PanelExitIcon;
  ControlRect PanelMinimizeIcon;
  ControlRect ImageLogo;
  ControlRect PanelPlusRow;
  ControlRect PanelMinusRow;
  ControlRect PanelPlusColumn;
  ControlRect PanelMinusColumn;
};

// The frame of decoration around the grid, on every side.
constexpr int kFrameBand = 30;
// The size of the plus/minus pictures and their holders.
constexpr int kSmallButtonSize = 9;
// The size of the exit and minimize pictures and their holders.
constexpr int kIconButtonSize = 16;

// The corner pictures are always 250 x 100 (the design size, and the size a skin gets), so
// the result does not depend on their previous state.
FormLayout ComputeFormLayout(int clientWidth, int clientHeight, bool skinLoaded);

}  // namespace pendra
