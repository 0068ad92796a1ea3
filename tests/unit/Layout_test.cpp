#include "ui/Layout.h"

#include <gtest/gtest.h>

namespace pendra {
namespace {

void ExpectAt(const Rect& rect, int left, int top) {
  EXPECT_EQ(rect.left, left);
  EXPECT_EQ(rect.top, top);
}

TEST(Layout, FirstRunWindowPlacesEveryControl) {
  const FormLayout layout = ComputeFormLayout(370, 211, false);
  EXPECT_EQ(layout.ToDoGrid, (Rect{30, 30, 310, 151}));
  EXPECT_EQ(layout.ImageRedButtonAufklapper, (Rect{0, 30, 30, 151}));
  EXPECT_EQ(layout.ImageTop, (Rect{0, 0, 370, 30}));
  EXPECT_EQ(layout.ImageRight, (Rect{340, 30, 30, 151}));
  EXPECT_EQ(layout.ImageBottom, (Rect{0, 181, 370, 30}));
  EXPECT_EQ(layout.ImageTopRight, (Rect{270, 0, 250, 100}));
  EXPECT_EQ(layout.ImageBottomRight, (Rect{270, 111, 250, 100}));
  EXPECT_EQ(layout.PanelExitIcon, (Rect{347, 7, 16, 16}));
  EXPECT_EQ(layout.PanelMinimizeIcon, (Rect{327, 7, 16, 16}));
  EXPECT_EQ(layout.ImageLogo, (Rect{0, 0, 250, 30}));
  EXPECT_EQ(layout.PanelPlusRow, (Rect{174, 176, 9, 9}));
  EXPECT_EQ(layout.PanelMinusRow, (Rect{185, 176, 9, 9}));
  EXPECT_EQ(layout.PanelPlusColumn, (Rect{335, 100, 9, 9}));
  EXPECT_EQ(layout.PanelMinusColumn, (Rect{335, 109, 9, 9}));
}

TEST(Layout, SkinWidensTheRightBandOnly) {
  const FormLayout plain = ComputeFormLayout(370, 211, false);
  const FormLayout skinned = ComputeFormLayout(370, 211, true);
  EXPECT_EQ(skinned.ImageRight, (Rect{340, 30, 180, 151}));
  EXPECT_EQ(skinned.ImageTopRight, plain.ImageTopRight);
  EXPECT_EQ(skinned.ImageBottomRight, plain.ImageBottomRight);
}

TEST(Layout, OddWidthRoundsTheRowButtonsDown) {
  const FormLayout odd = ComputeFormLayout(371, 211, false);
  ExpectAt(odd.PanelPlusRow, 174, 176);
  ExpectAt(odd.PanelMinusRow, 185, 176);
}

TEST(Layout, FollowsTheClientSize) {
  const FormLayout layout = ComputeFormLayout(800, 600, false);
  EXPECT_EQ(layout.ToDoGrid, (Rect{30, 30, 740, 540}));
  ExpectAt(layout.ImageRight, 770, 30);
  ExpectAt(layout.ImageBottom, 0, 570);
  ExpectAt(layout.ImageBottomRight, 700, 500);
  ExpectAt(layout.PanelExitIcon, 777, 7);
  ExpectAt(layout.PanelPlusRow, 389, 565);
  ExpectAt(layout.PanelPlusColumn, 765, 295);
  ExpectAt(layout.PanelMinusColumn, 765, 304);
}

TEST(Layout, TinyAndNegativeSizesGiveEmptyRectanglesNotNegativeOnes) {
  for (int size : {0, 10, 30, 59, 60, -5}) {
    const FormLayout layout = ComputeFormLayout(size, size, true);
    for (const Rect& rect :
         {layout.ToDoGrid, layout.ImageRedButtonAufklapper, layout.ImageRight, layout.ImageTop, layout.ImageBottom}) {
      EXPECT_GE(rect.width, 0) << size;
      EXPECT_GE(rect.height, 0) << size;
    }
    EXPECT_EQ(layout.ImageRight.left, size - 30) << size;
    EXPECT_EQ(layout.ImageBottom.top, size - 30) << size;
  }
  EXPECT_EQ(ComputeFormLayout(40, 211, false).ToDoGrid.width, 0);
}

}  // namespace
}  // namespace pendra
