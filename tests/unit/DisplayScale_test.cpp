// The window's geometry at the usual display scalings: 100 % (96 dpi), the design's 125 %
// (120 dpi, every number as designed), 150 % (144 dpi) and 200 % (192 dpi).
#include <climits>
#include <gtest/gtest.h>

#include "app/DpiChange.h"
#include "app/Frameless.h"
#include "app/ShrinkExpand.h"
#include "sheet/Sheet.h"
#include "sheet/WindowPlacement.h"
#include "ui/ColumnFitting.h"
#include "ui/Layout.h"

namespace pendra {
namespace {

TEST(DisplayScale, DesignSizesRoundToTheNearestPixelHalvesAwayFromZero) {
  struct Case {
    int dpi, design, pixels;
  };
  const Case cases[] = {
      {120, 370, 370}, {96, 370, 296}, {144, 211, 253}, {192, 211, 338}, {96, 7, 6},
      {96, -13, -10},  {180, 1, 2},    {180, -1, -2},   {192, 9, 14},    {0, 30, 30},  // unknown dpi: the design's
  };
  for (const Case& c : cases) EXPECT_EQ(Scale(c.dpi)(c.design), c.pixels) << c.dpi << " " << c.design;
}

TEST(DisplayScale, TheFirstWindowsLayoutScalesEveryPlaceAndSize) {
  struct Case {
    int dpi;
    Rect grid, exit, minimize, topRight, logo, plusRow, minusRow, plusColumn, minusColumn;
  };
  const Case cases[] = {
      {96,
       {24, 24, 248, 121},
       {278, 6, 13, 13},
       {262, 6, 13, 13},
       {216, 0, 200, 80},
       {0, 0, 200, 24},
       {139, 141, 7, 7},
       {148, 141, 7, 7},
       {268, 80, 7, 7},
       {268, 87, 7, 7}},
      {120,
       {30, 30, 310, 151},
       {347, 7, 16, 16},
       {327, 7, 16, 16},
       {270, 0, 250, 100},
       {0, 0, 250, 30},
       {174, 176, 9, 9},
       {185, 176, 9, 9},
       {335, 100, 9, 9},
       {335, 109, 9, 9}},
      {192,
       {48, 48, 496, 242},
       {555, 11, 26, 26},
       {523, 11, 26, 26},
       {432, 0, 400, 160},
       {0, 0, 400, 48},
       {278, 282, 14, 14},
       {296, 282, 14, 14},
       {536, 161, 14, 14},
       {536, 175, 14, 14}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dpi);
    const Scale scale(c.dpi);
    const FormLayout layout = ComputeFormLayout(scale(kDesignClientWidth), scale(kDesignClientHeight), false, scale);
    EXPECT_EQ(layout.ToDoGrid, c.grid);
    EXPECT_EQ(layout.ImageRedButtonAufklapper.width, c.grid.left);
    EXPECT_EQ(layout.PanelExitIcon, c.exit);
    EXPECT_EQ(layout.PanelMinimizeIcon, c.minimize);
    EXPECT_EQ(layout.ImageTopRight, c.topRight);
    EXPECT_EQ(layout.ImageLogo, c.logo);
    EXPECT_EQ(layout.PanelPlusRow, c.plusRow);
    EXPECT_EQ(layout.PanelMinusRow, c.minusRow);
    EXPECT_EQ(layout.PanelPlusColumn, c.plusColumn);
    EXPECT_EQ(layout.PanelMinusColumn, c.minusColumn);
  }
  EXPECT_EQ(ComputeFormLayout(592, 338, true, Scale(192)).ImageRight, (Rect{544, 48, 288, 242}));
}

TEST(DisplayScale, HitTestSnappingAnimationAndColumnFloorScale) {
  const Scale big(192);  // strips 6, squares 48, snapping 16, steps 32, columns 32
  EXPECT_EQ(FramelessHitTest(5, 100, 592, 338, big), EdgeHit::Left);
  EXPECT_EQ(FramelessHitTest(6, 100, 592, 338, big), EdgeHit::None);
  EXPECT_EQ(FramelessHitTest(47, 291, 592, 338, big), EdgeHit::BottomLeft);
  EXPECT_EQ(FramelessHitTest(48, 291, 592, 338, big), EdgeHit::None);
  EXPECT_EQ(FramelessHitTest(3, 100, 296, 169, Scale(96)), EdgeHit::None);  // 3 pixels at 100 %

  const Rect workArea{0, 0, 1920, 1040};
  EXPECT_EQ(SnapToWorkArea({15, 300, 592, 338}, workArea, big), (Point{0, 300}));
  EXPECT_EQ(SnapToWorkArea({16, 300, 592, 338}, workArea, big), (Point{16, 300}));

  PendraUnitState state;
  state.CollapsedWidth = big(kCollapsedWidth);
  state.ExpandState = ExpandStates::Expanded;
  ShrinkTarget target;
  StartShrinkOrExpand(state, target, {1264, 592});
  EXPECT_EQ(TickShrinkOrExpand(state, target, {1264, 592}, big).span, (WindowSpan{1296, 560}));

  EXPECT_EQ(FitColumnWidths({5, 100, 5}, 496, true, big), (std::vector<int>{32, 481, 32}));
  EXPECT_EQ(FirstSheetPosition(1920, 1080, 592, 338, big), (Point{1264, 371}));
}

TEST(DisplayScale, AMoveToAnotherScalingRescalesTheWidths) {
  EXPECT_EQ(RescaledColumnWidths({50, 235, 45, 1}, Scale(120), Scale(192)), (std::vector<int>{80, 376, 72, 2}));
  EXPECT_EQ(RescaledColumnWidths({80, 376, 72, 2}, Scale(192), Scale(120)), (std::vector<int>{50, 235, 45, 1}));
  EXPECT_EQ(RescaledColumnWidths({1, INT_MAX}, Scale(192), Scale(96)), (std::vector<int>{1, INT_MAX / 2 + 1}));
  EXPECT_EQ(RescaledColumnWidths({INT_MAX}, Scale(96), Scale(192)), (std::vector<int>{INT_MAX}));

  PendraUnitState state;
  state.CollapsedWidth = 30;
  state.ExpandedClientWidth = 370;
  RescaleShrinkWidths(state, Scale(120), Scale(144));
  EXPECT_EQ(state.CollapsedWidth, 36);
  EXPECT_EQ(state.ExpandedClientWidth, 444);
}

}  // namespace
}  // namespace pendra
