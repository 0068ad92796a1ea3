#include "app/ShrinkExpand.h"

#include <gtest/gtest.h>
#include <vector>

namespace pendra {
namespace {

class ShrinkExpandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state.CollapsedWidth = 30;
    state.ExpandState = ExpandStates::Expanded;
  }
  // Ticks until the last step; returns the spans of every tick.
  std::vector<WindowSpan> RunToTheEnd() {
    std::vector<WindowSpan> spans;
    for (int tick = 0; tick < 100; ++tick) {
      const ShrinkTick step = TickShrinkOrExpand(state, target, span);
      span = step.span;
      spans.push_back(span);
      if (step.last) break;
    }
    return spans;
  }

  PendraUnitState state;
  ShrinkTarget target;
  WindowSpan span{1510, 370};
};

TEST_F(ShrinkExpandTest, ACollapseTakesSixteenStepsAndALastTickWithTheRightEdgeFixed) {
  StartShrinkOrExpand(state, target, span);
  EXPECT_EQ(state.ExpandState, ExpandStates::Collapsing);
  EXPECT_EQ(state.ExpandedClientWidth, 370);
  const std::vector<WindowSpan> spans = RunToTheEnd();
  ASSERT_EQ(spans.size(), 17u);
  EXPECT_EQ(spans[15], (WindowSpan{1830, 50}));
  EXPECT_EQ(spans.back(), (WindowSpan{1850, 30}));  // 340 pixels to the right in all
  for (const WindowSpan& s : spans) EXPECT_EQ(s.left + s.width, 1880);
  EXPECT_EQ(state.ExpandState, ExpandStates::Collapsed);

  StartShrinkOrExpand(state, target, span);
  EXPECT_EQ(state.ExpandState, ExpandStates::Expanding);
  const std::vector<WindowSpan> back = RunToTheEnd();
  ASSERT_EQ(back.size(), 17u);
  EXPECT_EQ(back[15], (WindowSpan{1530, 350}));
  EXPECT_EQ(back.back(), (WindowSpan{1510, 370}));
  EXPECT_EQ(state.ExpandState, ExpandStates::Expanded);
}

TEST_F(ShrinkExpandTest, AClickMidCollapseExpandsBackAndAClickMidExpansionKeepsExpanding) {
  StartShrinkOrExpand(state, target, span);
  for (int tick = 0; tick < 5; ++tick) span = TickShrinkOrExpand(state, target, span).span;
  EXPECT_EQ(span, (WindowSpan{1610, 270}));
  StartShrinkOrExpand(state, target, span);
  EXPECT_EQ(state.ExpandState, ExpandStates::Expanding);
  EXPECT_EQ(target.TargetClientWidth, 370);
  EXPECT_EQ(target.TargetLeft, 1510);
  span = TickShrinkOrExpand(state, target, span).span;
  StartShrinkOrExpand(state, target, span);  // a second click while expanding
  EXPECT_EQ(state.ExpandState, ExpandStates::Expanding);
  EXPECT_EQ(target.TargetLeft, 1510);
  RunToTheEnd();
  EXPECT_EQ(span, (WindowSpan{1510, 370}));
  EXPECT_EQ(state.ExpandedClientWidth, 370);
}

TEST_F(ShrinkExpandTest, ATickOutsideAnAnimationChangesNothing) {
  for (ExpandStates still : {ExpandStates::Expanded, ExpandStates::Collapsed, ExpandStates::NotSetUp}) {
    state.ExpandState = still;
    const ShrinkTick tick = TickShrinkOrExpand(state, target, span);
    EXPECT_EQ(tick.span, span);
    EXPECT_FALSE(tick.last);
    EXPECT_EQ(state.ExpandState, still);
  }
}

}  // namespace
}  // namespace pendra
