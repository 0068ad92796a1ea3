#pragma once
// The main window's visibility as one value, and the one way every cause changes it: start-up,
// a click on the tray icon, a second start of the program, the minimize picture, the summon key.
#include "app/PendraUnitState.h"

namespace pendra {

enum class Visibility : unsigned char {
  NotShownYet,  // created; start-up decides
  Shown,
  Hidden,     // started with "-m" and not shown since
  Minimized,  // put away by the minimize picture
};

enum class VisibilityCause : unsigned char { StartUp, TrayClick, SecondStart, Minimize, SummonKey };

// How the window was when the summon key brought it forward: the key's next press puts it back so.
struct BeforeSummon {
  Visibility visibility = Visibility::Shown;
  bool collapsed = false;
  bool operator==(const BeforeSummon&) const = default;
};

struct VisibilityFacts {
  Visibility now = Visibility::NotShownYet;
  bool startHidden = false;
  ExpandStates expandState = ExpandStates::NotSetUp;
  // The window has the keys: the summon key then puts it back.
  bool active = false;
  BeforeSummon beforeSummon;
};

struct VisibilityChange {
  Visibility next = Visibility::NotShownYet;
  // Shown in its normal state (a minimized window is restored), or minimized and hidden.
  bool show = false;
  bool putAway = false;
  // Brought to the front with the keys; a window that goes gives them up.
  bool activate = false;
  // A window collapsed to its strip unfolds, or folds back.
  bool expand = false;
  bool collapse = false;
  // The summon key brought the window: it remembers how it was (`before`) and which window had
  // the keys, and opens the cell editor where a new task goes.
  bool summoned = false;
  BeforeSummon before = {};
  // The keys go back to the window that had them before the summon.
  bool returnFocus = false;
};

VisibilityChange ChangeVisibility(const VisibilityFacts& facts, VisibilityCause cause);

}  // namespace pendra
