#include "app/Frameless.h"

#include <gtest/gtest.h>

namespace pendra {
namespace {

TEST(Frameless, HitTestFindsTheStripsAndCornersInTheirOrder) {
  struct Case {
    int x, y;
    EdgeHit hit;
  };
  // A 370 x 211 window.
  const Case cases[] = {
      {100, 0, EdgeHit::Top},           {100, 3, EdgeHit::Top},
      {100, 4, EdgeHit::None},          {0, 0, EdgeHit::Top},
      {369, 2, EdgeHit::Top},  // the upper corners are top
      {0, 100, EdgeHit::Left},          {3, 100, EdgeHit::Left},
      {4, 100, EdgeHit::None},          {0, 210, EdgeHit::Left},  // left wins over bottom
      {100, 207, EdgeHit::Bottom},      {100, 210, EdgeHit::Bottom},
      {5, 208, EdgeHit::Bottom},        {369, 100, EdgeHit::Right},
      {366, 100, EdgeHit::Right},       {365, 100, EdgeHit::None},
      {10, 190, EdgeHit::BottomLeft},   {29, 181, EdgeHit::BottomLeft},
      {30, 190, EdgeHit::None},         {359, 201, EdgeHit::BottomRight},
      {340, 181, EdgeHit::BottomRight}, {339, 190, EdgeHit::None},
      {366, 209, EdgeHit::Bottom},  // the strips win over the corner squares
      {185, 100, EdgeHit::None},
  };
  for (const Case& c : cases) EXPECT_EQ(FramelessHitTest(c.x, c.y, 370, 211), c.hit) << c.x << "," << c.y;
}

TEST(Frameless, AMoveSnapsEachNearEdgeToTheWorkArea) {
  const Rect workArea{0, 0, 1920, 1040};
  struct Case {
    Rect proposed;
    Point snapped;
  };
  const Case cases[] = {
      {{5, 300, 370, 211}, {0, 300}},        // left
      {{-9, 300, 370, 211}, {0, 300}},       // also from outside
      {{10, 300, 370, 211}, {10, 300}},      // 10 pixels is not closer than 10
      {{500, 7, 370, 211}, {500, 0}},        // top
      {{1545, 300, 370, 211}, {1550, 300}},  // right
      {{500, 835, 370, 211}, {500, 829}},    // bottom
      {{3, 825, 370, 211}, {0, 829}},        // two edges at once
      {{4, 300, 1915, 211}, {5, 300}},       // left, then right moves it again
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SnapToWorkArea(c.proposed, workArea), c.snapped) << c.proposed.left << "," << c.proposed.top;
  }
  EXPECT_EQ(SnapToWorkArea({1925, 5, 370, 211}, {1920, 0, 1280, 1024}), (Point{1920, 0}));  // a second monitor
}

}  // namespace
}  // namespace pendra
