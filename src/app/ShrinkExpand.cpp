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

ShrinkTick TickShrinkOrExpand(PendraUnitState& state, const ShrinkTarget& target, WindowSpan current) {
  const WindowSpan final{target.TargetLeft, target.TargetClientWidth};
  switch (state.ExpandState) {
    case ExpandStates::Collapsing:
      if (current.width > target.TargetClientWidth + kShrinkStep) {
        return {{current.left + kShrinkStep, current.width - kShrinkStep}, false};
      }
      state.ExpandState = ExpandStates::Collapsed;
      return {final, true};
    case ExpandStates::Expanding:
      if (current.width < target.TargetClientWidth - kShrinkStep) {
        return {{current.left - kShrinkStep, current.width + kShrinkStep}, false};
      }
      state.ExpandState = ExpandStates::Expanded;
      return {final, true};
    default: return {current, false};
  }
}

}  // namespace pendra
