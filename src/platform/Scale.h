#pragma once
// The window's sizes are designed in device pixels at 120 dots per inch (125 % scaling). A
// Scale turns a design size into device pixels at the dpi of the monitor the window is on;
// at 120 dpi every size stays exactly as designed.

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
  constexpr int operator()(int design) const {
    const long long scaled = static_cast<long long>(design) * dpi_;
    return static_cast<int>((scaled >= 0 ? scaled + kDesignDpi / 2 : scaled - kDesignDpi / 2) / kDesignDpi);
  }

  constexpr bool operator==(const Scale&) const = default;

 private:
  int dpi_ = kDesignDpi;
};

}  // namespace pendra
