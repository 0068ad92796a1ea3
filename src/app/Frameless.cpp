#include "app/Frameless.h"

#include <cstdlib>

namespace pendra {

namespace {

bool Contains(int left, int top, int right, int bottom, int x, int y) {
  return left <= x && x < right && top <= y && y < bottom;
}

}  // namespace

EdgeHit FramelessHitTest(int x, int y, int width, int height) {
  const int w = width;
  const int h = height;
  if (Contains(0, 0, w, kResizeStrip, x, y)) return EdgeHit::Top;
  if (Contains(0, 0, kResizeStrip, h, x, y)) return EdgeHit::Left;
  if (Contains(0, h - kResizeStrip, w, h, x, y)) return EdgeHit::Bottom;
  if (Contains(w - kResizeStrip, 0, w, h, x, y)) return EdgeHit::Right;
  if (Contains(0, h - kResizeCorner, kResizeCorner, h, x, y)) return EdgeHit::BottomLeft;
  if (Contains(w - kResizeCorner, h - kResizeCorner, w, h, x, y)) return EdgeHit::BottomRight;
  return EdgeHit::None;
}

Point SnapToWorkArea(const Rect& proposed, const Rect& workArea) {
  Rect window = proposed;
  if (std::abs(window.left - workArea.left) < kSnapDistance) window.left = workArea.left;
  if (std::abs(window.top - workArea.top) < kSnapDistance) window.top = workArea.top;
  if (std::abs(window.right() - workArea.right()) < kSnapDistance) window.left = workArea.right() - window.width;
  if (std::abs(window.bottom() - workArea.bottom()) < kSnapDistance) window.top = workArea.bottom() - window.height;
  return {window.left, window.top};
}

}  // namespace pendra
