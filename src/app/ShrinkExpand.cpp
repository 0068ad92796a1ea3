#include "app/ShrinkExpand.h"

namespace pendra {

void StartShrinkOrExpand(PendraUnitState& state, ShrinkTarget& target, WindowSpan current) {
  if (state.ExpandState == ExpandStates::Expanded) {
    state.ExpandedClientWidth = current.width;
    target.TargetClientWidth = state.CollapsedWidth;
    target.TargetLeft = current.left + current.width - target.TargetClientWidth;
    state.ExpandState = ExpandStates::Collapsing;
    return;
  }
  target.TargetClientWidth = state.ExpandedClientWidth;
  target.TargetLeft = current.left - (state.ExpandedClientWidth - current.width);
  state.ExpandState = ExpandStates::Expanding;
}

ShrinkTick TickShrinkOrExpand(PendraUnitState& state, const ShrinkTarget& target, WindowSpan current, Scale scale) {
  const WindowSpan final{target.TargetLeft, target.TargetClientWidth};
  const int step = scale(kShrinkStep);
  switch (state.ExpandState) {
    case ExpandStates::Collapsing:
      if (current.width > target.TargetClientWidth + step) {
        return {{current.left + step, current.width - step}, false};
      }
      state.ExpandState = ExpandStates::Collapsed;
      return {final, true};
    case ExpandStates::Expanding:
      if (current.width < target.TargetClientWidth - step) {
        return {{current.left - step, current.width + step}, false};
      }
      state.ExpandState = ExpandStates::Expanded;
      return {final, true};
    default: return {current, false};
  }
}

}  // namespace pendra
