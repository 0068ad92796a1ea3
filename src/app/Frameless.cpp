#include "app/Frameless.h"

#include <cstdlib>

namespace pendra {

namespace {

bool Contains(int left, int top, int right, int bottom, int x, int y) {
  return left <= x && x < right && top <= y && y < bottom;
}

}  // namespace

EdgeHit FramelessHitTest(int x, int y, int width, int height, Scale scale) {
  const int w = width;
  const int h = height;
  const int strip = scale(kResizeStrip);
  const int corner = scale(kResizeCorner);
  if (Contains(0, 0, w, strip, x, y)) return EdgeHit::Top;
  if (Contains(0, 0, strip, h, x, y)) return EdgeHit::Left;
  if (Contains(0, h - strip, w, h, x, y)) return EdgeHit::Bottom;
  if (Contains(w - strip, 0, w, h, x, y)) return EdgeHit::Right;
  if (Contains(0, h - corner, corner, h, x, y)) return EdgeHit::BottomLeft;
  if (Contains(w - corner, h - corner, w, h, x, y)) return EdgeHit::BottomRight;
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
