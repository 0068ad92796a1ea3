#include "app/StartChoice.h"

#include <gtest/gtest.h>

namespace pendra {
namespace {

TEST(StartChoice, AWindowWinsThenTheMarkThenTheBound) {
  struct Case {
    bool window, mark, bound;
    StartChoice choice;
  };
  const Case cases[] = {
      {true, false, false, StartChoice::BringForward}, {true, true, false, StartChoice::BringForward},
      {true, false, true, StartChoice::BringForward},  {false, true, false, StartChoice::StartAsTheOne},
      {false, true, true, StartChoice::StartAsTheOne}, {false, false, true, StartChoice::StartAsFurther},
      {false, false, false, StartChoice::KeepWaiting},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseStart(c.window, c.mark, c.bound), c.choice) << c.window << c.mark << c.bound;
  }
}

}  // namespace
}  // namespace pendra
