#include "ui/Layout.h"

#include <algorithm>

namespace pendra {

namespace {

constexpr int kCornerWidth = 250;
constexpr int kCornerHeight = 100;
constexpr int kLogoWidth = 250;

// Integer halving that rounds toward zero, also for negative values.
int Half(int value) { return value / 2; }

int NonNegative(int value) { return std::max(0, value); }

}  // namespace

FormLayout ComputeFormLayout(int clientWidth, int clientHeight, bool skinLoaded) {
  const int gridWidth = clientWidth - 2 * kFrameBand;
  const int gridHeight = clientHeight - 2 * kFrameBand;
  const int rightLeft = gridWidth + kFrameBand;
  const int bottomTop = gridHeight + kFrameBand;

  FormLayout layout;
  layout.ToDoGrid = {kFrameBand, kFrameBand, NonNegative(gridWidth), NonNegative(gridHeight)};
  layout.ImageRedButtonAufklapper = {0, kFrameBand, kFrameBand, NonNegative(gridHeight)};
  layout.ImageTop = {0, 0, NonNegative(clientWidth), kFrameBand};
  layout.ImageRight = {rightLeft, kFrameBand, skinLoaded ? kSkinRightWidth : kFrameBand, NonNegative(gridHeight)};
  layout.ImageBottom = {0, bottomTop, NonNegative(clientWidth), kFrameBand};
  layout.ImageTopRight = {rightLeft - kCornerInset, 0, kCornerWidth, kCornerHeight};
  layout.ImageBottomRight = {rightLeft - kCornerInset, bottomTop - kCornerInset, kCornerWidth, kCornerHeight};
  layout.PanelExitIcon = {rightLeft + 7, 7, kIconButtonSize, kIconButtonSize};
  layout.PanelMinimizeIcon = {rightLeft + 7 - 20, 7, kIconButtonSize, kIconButtonSize};
  layout.ImageLogo = {0, 0, kLogoWidth, kFrameBand};
  layout.PanelPlusRow = {Half(clientWidth) - 11, bottomTop - 5, kSmallButtonSize, kSmallButtonSize};
  layout.PanelMinusRow = {Half(clientWidth), bottomTop - 5, kSmallButtonSize, kSmallButtonSize};
  layout.PanelPlusColumn = {rightLeft - 5, Half(gridHeight) + kFrameBand - 5, kSmallButtonSize, kSmallButtonSize};
  layout.PanelMinusColumn = {rightLeft - 5, Half(gridHeight) + kFrameBand + 4, kSmallButtonSize, kSmallButtonSize};
  return layout;
}

}  // namespace pendra
