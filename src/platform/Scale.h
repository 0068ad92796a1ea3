#pragma once
// The window's sizes are designed in device pixels at 120 dots per inch (125 % scaling). A
// Scale turns a design size into device pixels at the dpi of the monitor the window is on;
// at 120 dpi every size stays exactly as designed.
#include <algorithm>
#include <climits>

#include "platform/Geometry.h"

namespace pendra {

inline constexpr int kDesignDpi = 120;

class Scale {
 public:
  constexpr Scale() = default;
  // A dpi of 0 or less (unknown) counts as the design's.
  explicit constexpr Scale(int dpi) : dpi_(dpi > 0 ? dpi : kDesignDpi) {}

  constexpr int Dpi() const { return dpi_; }
  constexpr bool IsDesign() const { return dpi_ == kDesignDpi; }

  // The design size in device pixels, rounded to the nearest; halves away from zero.
  constexpr int operator()(int design) const;

  constexpr bool operator==(const Scale&) const = default;

 private:
  int dpi_ = kDesignDpi;
};

// A size in device pixels at one scale, at another; rounded to the nearest, halves away from
// zero, and kept within int.
constexpr int Rescale(int pixels, Scale from, Scale to) {
  const long long scaled = static_cast<long long>(pixels) * to.Dpi();
  const long long half = from.Dpi() / 2;
  const long long rounded = (scaled >= 0 ? scaled + half : scaled - half) / from.Dpi();
  return static_cast<int>(std::clamp<long long>(rounded, INT_MIN, INT_MAX));
}

constexpr int Scale::operator()(int design) const { return Rescale(design, Scale{}, *this); }

// A design rectangle in device pixels.
constexpr Rect ScaledRect(const Rect& design, Scale scale) {
  return {scale(design.left), scale(design.top), scale(design.width), scale(design.height)};
}

}  // namespace pendra
