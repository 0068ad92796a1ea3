#pragma once
// What follows the window to a monitor of another scaling: its sizes in device pixels grow or
// shrink by the ratio of the two dpi values, so the sheet looks the same there.
#include <vector>

#include "app/PendraUnitState.h"
#include "platform/Geometry.h"
#include "platform/Scale.h"

namespace pendra {

// The column widths at the new scale, each at least one pixel.
std::vector<int> RescaledColumnWidths(const std::vector<int>& widths, Scale from, Scale to);

// The collapsed width and the width to expand back to, at the new scale.
void RescaleShrinkWidths(PendraUnitState& state, Scale from, Scale to);

}  // namespace pendra
