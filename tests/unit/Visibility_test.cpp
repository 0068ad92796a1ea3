#include "app/Visibility.h"

#include <array>
#include <gtest/gtest.h>

namespace pendra {
namespace {

using V = Visibility;
using C = VisibilityCause;
constexpr ExpandStates kExpanded = ExpandStates::Expanded;
constexpr ExpandStates kCollapsed = ExpandStates::Collapsed;

TEST(Visibility, EveryCauseFromEveryState) {
  struct Case {
    V now;
    C cause;
    bool startHidden;
    ExpandStates expand;
    V next;
    bool show, putAway, activate, expandStrip;
  };
  const Case cases[] = {
      // Start-up shows and activates, or under "-m" leaves the window hidden and inactive.
      {V::NotShownYet, C::StartUp, false, kExpanded, V::Shown, true, false, true, false},
      {V::NotShownYet, C::StartUp, true, kExpanded, V::Hidden, false, false, false, false},
      // The tray icon shows from any state; it unfolds a strip.
      {V::Hidden, C::TrayClick, true, kExpanded, V::Shown, true, false, true, false},
      {V::Minimized, C::TrayClick, false, kExpanded, V::Shown, true, false, true, false},
      {V::Shown, C::TrayClick, false, kCollapsed, V::Shown, true, false, true, true},
      {V::Hidden, C::SecondStart, true, kCollapsed, V::Shown, true, false, true, false},
      {V::Minimized, C::SecondStart, false, kExpanded, V::Shown, true, false, true, false},
      // The minimize picture puts a shown window away; a window already away stays as it is.
      {V::Shown, C::Minimize, false, kExpanded, V::Minimized, false, true, false, false},
      {V::Hidden, C::Minimize, true, kExpanded, V::Hidden, false, false, false, false},
      // Start-up happens once.
      {V::Shown, C::StartUp, false, kExpanded, V::Shown, false, false, false, false},
  };
  for (const Case& c : cases) {
    const VisibilityChange change = ChangeVisibility({c.now, c.startHidden, c.expand, false, {}}, c.cause);
    const auto where = ::testing::Message() << static_cast<int>(c.now) << " by " << static_cast<int>(c.cause);
    EXPECT_EQ(change.next, c.next) << where;
    EXPECT_EQ((std::array{change.show, change.putAway, change.activate, change.expand}),
              (std::array{c.show, c.putAway, c.activate, c.expandStrip}))
        << where;
    EXPECT_FALSE(change.summoned || change.returnFocus || change.collapse) << where;
  }
}

// The summon key brings the window from every state to the front, unfolded; its next press while
// the window has the keys puts the window back as the summon found it and returns the keys.
TEST(Visibility, TheSummonKeyBringsTheWindowAndPutsItBack) {
  struct Case {
    V now;
    ExpandStates expand;
    bool active;
    BeforeSummon before;
    V next;
    bool show, putAway, activate, expandStrip, collapse, summoned, returnFocus;
  };
  const Case cases[] = {
      {V::Hidden, kExpanded, false, {}, V::Shown, true, false, true, false, false, true, false},
      {V::Minimized, kCollapsed, false, {}, V::Shown, true, false, true, true, false, true, false},
      {V::Shown, ExpandStates::Collapsing, false, {}, V::Shown, true, false, true, true, false, true, false},
      // Behind other windows: only brought forward.
      {V::Shown, kExpanded, false, {}, V::Shown, true, false, true, false, false, true, false},
      // Pressed again: back to hidden, minimized, the strip, or merely behind the window before.
      {V::Shown, kExpanded, true, {V::Hidden, false}, V::Hidden, false, true, false, false, false, false, true},
      {V::Shown, kExpanded, true, {V::Minimized, true}, V::Minimized, false, true, false, false, true, false, true},
      {V::Shown, kExpanded, true, {V::Shown, true}, V::Shown, false, false, false, false, true, false, true},
      {V::Shown, kExpanded, true, {V::Shown, false}, V::Shown, false, false, false, false, false, false, true},
      // A strip the user folded again meanwhile is not folded twice.
      {V::Shown, kCollapsed, true, {V::Shown, true}, V::Shown, false, false, false, false, false, false, true},
  };
  for (const Case& c : cases) {
    const VisibilityChange change = ChangeVisibility({c.now, false, c.expand, c.active, c.before}, C::SummonKey);
    const auto where = ::testing::Message() << static_cast<int>(c.now) << (c.active ? " active" : " inactive");
    EXPECT_EQ(change.next, c.next) << where;
    EXPECT_EQ((std::array{change.show, change.putAway, change.activate, change.expand, change.collapse, change.summoned,
                          change.returnFocus}),
              (std::array{c.show, c.putAway, c.activate, c.expandStrip, c.collapse, c.summoned, c.returnFocus}))
        << where;
    if (change.summoned) EXPECT_EQ(change.before, (BeforeSummon{c.now, c.expand != kExpanded})) << where;
  }
}

}  // namespace
}  // namespace pendra
