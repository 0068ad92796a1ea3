#include "app/DpiChange.h"

#include <algorithm>

namespace pendra {

std::vector<int> RescaledColumnWidths(const std::vector<int>& widths, Scale from, Scale to) {
  std::vector<int> rescaled;
  rescaled.reserve(widths.size());
  for (int width : widths) rescaled.push_back(std::max(1, Rescale(width, from, to)));
  return rescaled;
}

void RescaleShrinkWidths(PendraUnitState& state, Scale from, Scale to) {
  state.CollapsedWidth = Rescale(state.CollapsedWidth, from, to);
  state.ExpandedClientWidth = Rescale(state.ExpandedClientWidth, from, to);
}

}  // namespace pendra
