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

FormLayout ComputeFormLayout(int clientWidth, int clientHeight, bool skinLoaded, Scale scale) {
  const int band = scale(kFrameBand);
  const int gridWidth = clientWidth - 2 * band;
  const int gridHeight = clientHeight - 2 * band;
  const int rightLeft = gridWidth + band;
  const int bottomTop = gridHeight + band;
  const int inset = scale(kCornerInset);
  const int icon = scale(kIconButtonSize);
  const int small = scale(kSmallButtonSize);

  FormLayout layout;
  layout.ToDoGrid = {band, band, NonNegative(gridWidth), NonNegative(gridHeight)};
  layout.ImageRedButtonAufklapper = {0, band, band, NonNegative(gridHeight)};
  layout.ImageTop = {0, 0, NonNegative(clientWidth), band};
  layout.ImageRight = {rightLeft, band, skinLoaded ? scale(kSkinRightWidth) : band, NonNegative(gridHeight)};
  layout.ImageBottom = {0, bottomTop, NonNegative(clientWidth), band};
  layout.ImageTopRight = {rightLeft - inset, 0, scale(kCornerWidth), scale(kCornerHeight)};
  layout.ImageBottomRight = {rightLeft - inset, bottomTop - inset, scale(kCornerWidth), scale(kCornerHeight)};
  layout.PanelExitIcon = {rightLeft + scale(7), scale(7), icon, icon};
  layout.PanelMinimizeIcon = {rightLeft + scale(7 - 20), scale(7), icon, icon};
  layout.ImageLogo = {0, 0, scale(kLogoWidth), band};
  layout.PanelPlusRow = {Half(clientWidth) - scale(11), bottomTop - scale(5), small, small};
  layout.PanelMinusRow = {Half(clientWidth), bottomTop - scale(5), small, small};
  layout.PanelPlusColumn = {rightLeft - scale(5), Half(gridHeight) + band - scale(5), small, small};
  layout.PanelMinusColumn = {rightLeft - scale(5), Half(gridHeight) + band + scale(4), small, small};
  return layout;
}

}  // namespace pendra
