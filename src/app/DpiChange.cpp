#include "app/DpiChange.h"

#include <algorithm>
#include <climits>

namespace pendra {

int Rescale(int pixels, Scale from, Scale to) {
  const long long scaled = static_cast<long long>(pixels) * to.Dpi();
  const long long half = from.Dpi() / 2;
  const long long rounded = (scaled >= 0 ? scaled + half : scaled - half) / from.Dpi();
  return static_cast<int>(std::clamp<long long>(rounded, INT_MIN, INT_MAX));
}

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
