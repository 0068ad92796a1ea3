#include "app/Visibility.h"

namespace pendra {

VisibilityChange ChangeVisibility(Visibility now, VisibilityCause cause, bool startHidden, ExpandStates expandState) {
  switch (cause) {
    case VisibilityCause::StartUp:
      if (now != Visibility::NotShownYet) return {now};
      if (startHidden) return {Visibility::Hidden};
      return {Visibility::Shown, true, false, true};
    case VisibilityCause::TrayClick:
      return {Visibility::Shown, true, false, true, expandState == ExpandStates::Collapsed};
    case VisibilityCause::SecondStart: return {Visibility::Shown, true, false, true};
    case VisibilityCause::Minimize:
      if (now != Visibility::Shown) return {now};
      return {Visibility::Minimized, false, true};
  }
  return {now};
}

}  // namespace pendra
