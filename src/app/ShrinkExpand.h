#pragma once
// The red bar's animation: the window collapses to a narrow strip and expands back to its
// former width in steps of 20 pixels (at the design's scale) every tick, its right edge
// staying where it is.
#include "app/PendraUnitState.h"
#include "platform/Geometry.h"
#include "platform/Scale.h"

namespace pendra {

// The collapsed window's width.
inline constexpr int kCollapsedWidth = 30;
inline constexpr int kShrinkStep = 20;
inline constexpr int kShrinkIntervalMs = 10;

// Left edge and client width: what the animation changes.
struct WindowSpan {
  int left = 0;
  int width = 0;
  bool operator==(const WindowSpan&) const = default;
};

// Where the running animation ends.
struct ShrinkTarget {
  int TargetClientWidth = 0;
  int TargetLeft = 0;
};

// A click on the red bar: collapsing from the expanded state, else expanding back to the width
// the last collapse started from. Sets the state and the target; the window then runs the ticks.
void StartShrinkOrExpand(PendraUnitState& state, ShrinkTarget& target, WindowSpan current);

struct ShrinkTick {
  WindowSpan span;
  // The last step: the state is already 0 (collapsed) or 2 (expanded) when the span is applied.
  bool last = false;
};

// One tick in state 3 (collapsing) or 1 (expanding); in other states the span stays.
ShrinkTick TickShrinkOrExpand(PendraUnitState& state, const ShrinkTarget& target, WindowSpan current, Scale scale = {});

}  // namespace pendra
