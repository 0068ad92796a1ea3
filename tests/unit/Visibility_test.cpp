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
      // The tray icon shows from any state; only it unfolds a strip.
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
    const VisibilityChange change = ChangeVisibility(c.now, c.cause, c.startHidden, c.expand);
    const auto where = ::testing::Message() << static_cast<int>(c.now) << " by " << static_cast<int>(c.cause);
    EXPECT_EQ(change.next, c.next) << where;
    EXPECT_EQ((std::array{change.show, change.putAway, change.activate, change.expand}),
              (std::array{c.show, c.putAway, c.activate, c.expandStrip}))
        << where;
  }
}

}  // namespace
}  // namespace pendra
