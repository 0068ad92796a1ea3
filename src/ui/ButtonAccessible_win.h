#pragma once
// A drawn button as screen readers see it: a push button with a name (the text of its hint, in
// the build's language), a state, a place on the screen and the default action "press", which
// runs the button's command soon after the call, as a click would.
#include <windows.h>

#include <functional>
#include <string>

#include "ui/Accessible_win.h"

namespace pendra {

struct ButtonAccess {
  // The window the button lives on: once it is gone the button answers no more.
  HWND window = nullptr;
  std::function<std::u16string()> name;
  // STATE_SYSTEM_... beyond the button's own (pressed, under the mouse, collapsed, ...).
  std::function<long()> state;
  std::function<Rect()> screenRect;
  // A new reference to the object of what holds the button.
  std::function<IDispatch*()> parent;
  // Runs the button's command later, from the message loop.
  std::function<void()> pressSoon;
};

// A new reference; the button answers only while the link points at its access.
AccessibleObject* MakeButtonAccessible(const AccessLink<ButtonAccess>& link);

}  // namespace pendra
