#include "app/Visibility.h"

namespace pendra {

namespace {

bool IsCollapsed(ExpandStates state) { return state == ExpandStates::Collapsed || state == ExpandStates::Collapsing; }

// The summon key brings the window from any state, ready to type; pressed again while the window
// has the keys, it puts the window back as the summon found it.
VisibilityChange Summon(const VisibilityFacts& facts) {
  if (!facts.active) {
    VisibilityChange change{Visibility::Shown, true, false, true, IsCollapsed(facts.expandState)};
    change.summoned = true;
    change.before = {facts.now, IsCollapsed(facts.expandState)};
    return change;
  }
  const BeforeSummon& before = facts.beforeSummon;
  const bool away = before.visibility == Visibility::Hidden || before.visibility == Visibility::Minimized;
  VisibilityChange change{away ? before.visibility : Visibility::Shown, false, away};
  change.collapse = before.collapsed && !IsCollapsed(facts.expandState);
  change.returnFocus = true;
  return change;
}

}  // namespace

VisibilityChange ChangeVisibility(const VisibilityFacts& facts, VisibilityCause cause) {
  switch (cause) {
    case VisibilityCause::StartUp:
      if (facts.now != Visibility::NotShownYet) return {facts.now};
      if (facts.startHidden) return {Visibility::Hidden};
      return {Visibility::Shown, true, false, true};
    case VisibilityCause::TrayClick:
      return {Visibility::Shown, true, false, true, facts.expandState == ExpandStates::Collapsed};
    case VisibilityCause::SecondStart: return {Visibility::Shown, true, false, true};
    case VisibilityCause::Minimize:
      if (facts.now != Visibility::Shown) return {facts.now};
      return {Visibility::Minimized, false, true};
    case VisibilityCause::SummonKey: return Summon(facts);
  }
  return {facts.now};
}

}  // namespace pendra
