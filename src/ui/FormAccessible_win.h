#pragma once
// The main window's surface as screen readers see it: the drawn red bar (child 1) and the
// window's controls in reading order (the sheet, then the buttons), each by the object its
// window gives.
#include <windows.h>

#include <functional>
#include <vector>

#include "ui/Accessible_win.h"
#include "ui/ButtonAccessible_win.h"

namespace pendra {

struct FormAccess {
  HWND window = nullptr;
  // The visible controls, in reading order.
  std::function<std::vector<HWND>()> controls;
  AccessLink<ButtonAccess> redBar;
};

// A new reference; it answers only while the link points at the access.
AccessibleObject* MakeFormAccessible(const AccessLink<FormAccess>& link);

// The id of the red bar among the surface's children.
constexpr long kRedBarChildId = 1;

}  // namespace pendra
