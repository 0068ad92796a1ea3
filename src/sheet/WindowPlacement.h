#pragma once
// Where the main window goes when it has no stored place: centred on the primary
// screen, or for a first sheet 40 pixels (at the design's scale) left of the screen's right edge.
#include "platform/Geometry.h"
#include "platform/Scale.h"

namespace pendra {

// Rounds to the nearest integer, halves to the even neighbour.
int RoundHalfEven(double value);

// screenExtent / 2 - windowExtent / 2, in floating point, rounded half to even.
int CentredCoordinate(int screenExtent, int windowExtent);

// The top-left corner of a first sheet's window.
Point FirstSheetPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight, Scale scale = {});

}  // namespace pendra
