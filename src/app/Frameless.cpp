#include "app/Frameless.h"

#include <cstdlib>

namespace pendra {

EdgeHit FramelessHitTest(int x, int y, int width, int height, Scale scale) {
  const int w = width;
  const int h = height;
  const int strip = scale(kResizeStrip);
  const int corner = scale(kResizeCorner);
  const Point at{x, y};
  if (Rect{0, 0, w, strip}.Contains(at)) return EdgeHit::Top;
  if (Rect{0, 0, strip, h}.Contains(at)) return EdgeHit::Left;
  if (Rect{0, h - strip, w, strip}.Contains(at)) return EdgeHit::Bottom;
  if (Rect{w - strip, 0, strip, h}.Contains(at)) return EdgeHit::Right;
  if (Rect{0, h - corner, corner, corner}.Contains(at)) return EdgeHit::BottomLeft;
  if (Rect{w - corner, h - corner, corner, corner}.Contains(at)) return EdgeHit::BottomRight;
  return EdgeHit::None;
}

Point SnapToWorkArea(const Rect& proposed, const Rect& workArea, Scale scale) {
  Rect window = proposed;
  const int distance = scale(kSnapDistance);
  if (std::abs(window.left - workArea.left) < distance) window.left = workArea.left;
  if (std::abs(window.top - workArea.top) < distance) window.top = workArea.top;
  if (std::abs(window.right() - workArea.right()) < distance) window.left = workArea.right() - window.width;
  if (std::abs(window.bottom() - workArea.bottom()) < distance) window.top = workArea.bottom() - window.height;
  return {window.left, window.top};
}

}  // namespace pendra
