#include "ui/GridNavigation.h"

#include <gtest/gtest.h>

#include "GridFixtures.h"

namespace pendra {
namespace {

// Three columns, ten rows, four task rows fit into the view.
class TenRows : public ViewedSheet {
 public:
  TenRows() : ViewedSheet(3, 10) { SetViewSize(300, 124); }
};

TEST(GridNavigation, KeysMoveTheCurrentCellWithinTheTaskCells) {
  struct Case {
    GridCell from;
    int key;
    bool ctrl;
    GridCell to;
  };
  const Case cases[] = {
      {{1, 5}, vk::Up, false, {1, 4}},     {{1, 5}, vk::Down, false, {1, 6}},  {{1, 5}, vk::Left, false, {0, 5}},
      {{1, 5}, vk::Right, false, {2, 5}},  {{1, 5}, vk::Prior, false, {1, 1}}, {{1, 5}, vk::Next, false, {1, 9}},
      {{1, 5}, vk::Home, false, {0, 5}},   {{1, 5}, vk::End, false, {2, 5}},   {{1, 5}, vk::Home, true, {0, 1}},
      {{1, 5}, vk::End, true, {2, 9}},     {{1, 5}, vk::Up, true, {1, 4}},     {{0, 1}, vk::Up, false, {0, 1}},
      {{0, 1}, vk::Left, false, {0, 1}},   {{2, 9}, vk::Down, false, {2, 9}},  {{2, 9}, vk::Right, false, {2, 9}},
      {{1, 3}, vk::Prior, false, {1, 1}},  {{1, 8}, vk::Next, false, {1, 9}},  {{1, 2}, vk::Next, false, {1, 6}},
      {{1, 5}, vk::Delete, false, {1, 5}}, {{1, 5}, 'A', false, {1, 5}},
  };
  for (const Case& c : cases) {
    TenRows grid;
    ASSERT_TRUE(grid.SetCurrentCell(c.from));
    EXPECT_EQ(MoveTarget(grid, c.key, c.ctrl), c.to) << "key " << c.key << " ctrl " << c.ctrl;
  }
}

TEST(GridNavigation, WithoutAFixedRowTheTitleRowIsReachable) {
  TenRows grid;
  grid.SetFixedRows(0);
  grid.SetCurrentCell({1, 1});
  EXPECT_EQ(MoveTarget(grid, vk::Up, false), (GridCell{1, 0}));
  EXPECT_EQ(MoveTarget(grid, vk::Home, true), (GridCell{0, 0}));
}

TEST(GridNavigation, AnyKeyWithoutACurrentCellPlacesTheFirstNonFixedCell) {
  TenRows grid;
  for (int key : {vk::Down, vk::Escape, vk::Return, vk::Delete, int{'C'}, vk::F2}) {
    EXPECT_EQ(DecideGridKey(grid, key, {}), (GridKeyDecision{GridKeyAction::PlaceFirstCell, {0, 1}})) << key;
  }
  // A modifier on its own does not, so that Ctrl+C finds no cell to copy.
  for (int key : {vk::Control, vk::Shift, vk::Menu, vk::LShift, vk::RMenu, vk::LWin}) {
    EXPECT_EQ(DecideGridKey(grid, key, {}).action, GridKeyAction::Ignore) << key;
  }
  grid.SetFixedRows(0);
  grid.ClearSelection();
  EXPECT_EQ(DecideGridKey(grid, vk::Down, {}), (GridKeyDecision{GridKeyAction::PlaceFirstCell, {0, 0}}));
}

TEST(GridNavigation, KeysOutsideEditing) {
  struct Case {
    int key;
    KeyModifiers modifiers;
    GridKeyDecision decision;
  };
  const Case cases[] = {
      {vk::Down, {}, {GridKeyAction::Move, {1, 6}}},
      {vk::Home, {.ctrl = true}, {GridKeyAction::Move, {0, 1}}},
      {vk::Return, {}, {GridKeyAction::OpenEditor, {}}},
      {vk::F2, {}, {GridKeyAction::OpenEditor, {}}},
      {vk::Tab, {}, {GridKeyAction::MoveFocusAway, {}}},
      {vk::Tab, {.shift = true}, {GridKeyAction::MoveFocusAway, {}}},
      {vk::Escape, {}, {}},
      {vk::Delete, {.ctrl = true}, {}},
      {vk::Insert, {}, {}},
  };
  for (const Case& c : cases) {
    TenRows grid;
    grid.SetCurrentCell({1, 5});
    EXPECT_EQ(DecideGridKey(grid, c.key, c.modifiers), c.decision) << c.key;
  }
}

TEST(GridNavigation, KeysWhileEditing) {
  struct Case {
    GridCell at;
    int key;
    GridKeyDecision decision;
  };
  const Case cases[] = {
      {{1, 5}, vk::Up, {GridKeyAction::Move, {1, 4}}},
      {{1, 5}, vk::Next, {GridKeyAction::Move, {1, 9}}},
      {{1, 1}, vk::Up, {GridKeyAction::CloseEditor, {}}},  // no move, but editing ends
      {{1, 5}, vk::Return, {GridKeyAction::CloseEditor, {}}},
      {{1, 5}, vk::Escape, {GridKeyAction::CloseEditor, {}}},
      {{1, 5}, vk::Tab, {GridKeyAction::MoveFocusAway, {}}},
      {{1, 5}, vk::Insert, {}},
      {{1, 5}, vk::Delete, {}},
  };
  for (const Case& c : cases) {
    TenRows grid;
    grid.SetCurrentCell(c.at);
    ASSERT_TRUE(grid.BeginEditing());
    EXPECT_EQ(DecideGridKey(grid, c.key, {}), c.decision) << c.key;
  }
}

TEST(GridNavigation, EscapeAfterTheSelectionWasClearedPlacesTheFirstCell) {
  TenRows grid;
  grid.SetCurrentCell({2, 4});
  grid.BeginEditing();
  grid.ClearSelection();
  EXPECT_EQ(DecideGridKey(grid, vk::Escape, {}), (GridKeyDecision{GridKeyAction::PlaceFirstCell, {0, 1}}));
}

TEST(GridNavigation, TheEditorKeepsMostKeysForItself) {
  struct Case {
    int key;
    KeyModifiers modifiers;
    bool leaves;
  };
  const Case cases[] = {
      {vk::Up, {}, true},
      {vk::Down, {.shift = true}, true},
      {vk::Prior, {}, true},
      {vk::Next, {}, true},
      {vk::Escape, {}, true},
      {vk::Return, {}, true},
      {vk::Tab, {}, true},
      {vk::Insert, {}, true},
      {vk::Insert, {.shift = true}, false},
      {vk::Insert, {.ctrl = true}, false},
      {vk::Delete, {.ctrl = true}, true},
      {vk::Delete, {}, false},
      {vk::Left, {}, false},
      {vk::Right, {}, false},
      {vk::Home, {.ctrl = true}, false},
      {vk::End, {}, false},
      {vk::F2, {}, false},
      {'V', {.ctrl = true}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(EditorLeavesKeyToGrid(c.key, c.modifiers), c.leaves) << c.key;
}

TEST(GridNavigation, WheelStepsStopAtTheFirstTaskRowAndTheLastRow) {
  TenRows grid;
  grid.SetCurrentCell({2, 1});
  EXPECT_EQ(WheelTarget(grid, true), (GridCell{2, 2}));
  EXPECT_EQ(WheelTarget(grid, false), (GridCell{2, 1}));
  grid.SetCurrentCell({2, 9});
  EXPECT_EQ(WheelTarget(grid, true), (GridCell{2, 9}));
}

}  // namespace
}  // namespace pendra
