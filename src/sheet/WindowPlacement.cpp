#include "sheet/WindowPlacement.h"

#include <cmath>

namespace pendra {

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

int CentredCoordinate(int screenExtent, int windowExtent) {
  return RoundHalfEven(screenExtent / 2.0 - windowExtent / 2.0);
}

Point FirstSheetPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight, Scale scale) {
  return {screenWidth - windowWidth - scale(40), CentredCoordinate(screenHeight, windowHeight)};
}

}  // namespace pendra
