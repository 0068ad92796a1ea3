#pragma once
// What a frame would give the borderless main window: the edge hit-test (4-pixel strips along
// the edges, 30 x 30 squares at the lower corners) and the snapping of a moved window to the
// edges of its monitor's work area.
#include "platform/Geometry.h"
#include "platform/Scale.h"

namespace pendra {

enum class EdgeHit { None, Top, Left, Bottom, Right, BottomLeft, BottomRight };

// Design sizes (120 dpi); the functions take them at the display's scale.
// The window never gets narrower or lower than this, whatever the user or the program asks.
inline constexpr int kMinimumTrackSize = 10;
inline constexpr int kResizeStrip = 4;
inline constexpr int kResizeCorner = 30;
// The hit-test grows a smaller client area back to this size.
inline constexpr int kMinimumClientSize = 30;
inline constexpr int kSnapDistance = 10;

// The edge under a point given relative to the window's top-left corner, in the order top,
// left, bottom, right, bottom-left corner, bottom-right corner; None inside.
EdgeHit FramelessHitTest(int x, int y, int width, int height, Scale scale = {});

// The place of a window that moves to `proposed` (its size unchanged): each edge closer than
// the snapping distance to the matching edge of the work area lies on it instead, tested
// left, top, right, bottom in that order.
Point SnapToWorkArea(const Rect& proposed, const Rect& workArea, Scale scale = {});

}  // namespace pendra
