#pragma once
// The program's rectangle as Windows' RECT and back.
#include <windows.h>

#include "platform/Geometry.h"

namespace pendra {

inline RECT ToRECT(const Rect& rect) { return {rect.left, rect.top, rect.right(), rect.bottom()}; }

inline Rect FromRECT(const RECT& rect) { return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}; }

}  // namespace pendra
