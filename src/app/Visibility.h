#pragma once
// The main window's visibility as one value, and the one way every cause changes it: start-up,
// a click on the tray icon, a second start of the program, the minimize picture.
#include "app/PendraUnitState.h"

namespace pendra {

enum class Visibility : unsigned char {
  NotShownYet,  // created; start-up decides
  Shown,
  Hidden,     // started with "-m" and not shown since
  Minimized,  // put away by the minimize picture
};

enum class VisibilityCause : unsigned char { StartUp, TrayClick, SecondStart, Minimize };

struct VisibilityChange {
  Visibility next = Visibility::NotShownYet;
  // Shown in its normal state (a minimized window is restored), or minimized and hidden.
  bool show = false;
  bool putAway = false;
  // Brought to the front with the keys; a window that goes gives them up.
  bool activate = false;
  // A window collapsed to its strip unfolds.
  bool expand = false;
};

VisibilityChange ChangeVisibility(Visibility now, VisibilityCause cause, bool startHidden, ExpandStates expandState);

}  // namespace pendra
