#pragma once
// The program's one point and one rectangle type, in pixels: window places, control
// places, cell rectangles and the desktop.
namespace pendra {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int right() const { return left + width; }
  int bottom() const { return top + height; }
  // The left and top edges belong to the rectangle, the right and bottom ones do not.
  bool Contains(Point at) const { return at.x >= left && at.x < right() && at.y >= top && at.y < bottom(); }
  bool operator==(const Rect&) const = default;
};

}  // namespace pendra
