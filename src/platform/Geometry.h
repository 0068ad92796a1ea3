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
  bool operator==(const Rect&) const = default;
};

}  // namespace pendra
