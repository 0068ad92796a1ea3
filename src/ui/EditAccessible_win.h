#pragma once
// An edit control as screen readers see it, with a name of the program's choosing: an editable
// text whose value is the control's text.
#include <windows.h>

#include <functional>
#include <string>

#include "ui/Accessible_win.h"

namespace pendra {

struct EditAccess {
  HWND window = nullptr;
  std::function<std::u16string()> name;
};

// A new reference; it answers only while the link points at the access and the window lives.
AccessibleObject* MakeEditAccessible(const AccessLink<EditAccess>& link);

}  // namespace pendra
