#pragma once
// What the grid does with a key by itself: moving the current cell, opening and closing the
// in-place editor, leaving the grid with Tab. Keys are the platform's virtual-key codes.
#include "ui/GridModel.h"

namespace pendra {

namespace vk {
constexpr int Tab = 0x09;
constexpr int Return = 0x0D;
constexpr int Shift = 0x10;
constexpr int Control = 0x11;
constexpr int Menu = 0x12;
constexpr int Capital = 0x14;
constexpr int Escape = 0x1B;
constexpr int Space = 0x20;
constexpr int Prior = 0x21;
constexpr int Next = 0x22;
constexpr int End = 0x23;
constexpr int Home = 0x24;
constexpr int Left = 0x25;
constexpr int Up = 0x26;
constexpr int Right = 0x27;
constexpr int Down = 0x28;
constexpr int Insert = 0x2D;
constexpr int Delete = 0x2E;
constexpr int LWin = 0x5B;
constexpr int RWin = 0x5C;
constexpr int Apps = 0x5D;
constexpr int F2 = 0x71;
constexpr int NumLock = 0x90;
constexpr int Scroll = 0x91;
constexpr int LShift = 0xA0;
constexpr int RMenu = 0xA5;
}  // namespace vk

struct KeyModifiers {
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};

// Shift, Ctrl, Alt, the Windows keys and the lock keys pressed on their own.
bool IsModifierKey(int key);

// Where a navigation key moves the current cell: arrows by one cell, Page Up/Down by the rows
// that fit into the view, Home/End to the first/last column of the row, with Ctrl to the first
// task cell/the last cell of the grid. The current cell itself when the key does not move it
// (at an edge, or not a navigation key). Needs a current cell.
GridCell MoveTarget(const GridModel& model, int key, bool ctrl);

enum class GridKeyAction {
  Ignore,
  PlaceFirstCell,  // no current cell: the first non-fixed cell becomes current
  Move,            // to the target; a move also closes the editor
  OpenEditor,
  CloseEditor,    // keeps the typed text
  MoveFocusAway,  // Tab: the window's focus leaves the grid (and its editor)
};

struct GridKeyDecision {
  GridKeyAction action = GridKeyAction::Ignore;
  GridCell target;
  bool operator==(const GridKeyDecision&) const = default;
};

// The grid's own handling of a key-down, after its owner has seen the key. While editing it
// is asked only for the keys the editor leaves to the grid (below).
GridKeyDecision DecideGridKey(const GridModel& model, int key, KeyModifiers modifiers);

// Keys the in-place editor hands on to the grid's own handling instead of using them:
// Up, Down, Page Up, Page Down, Escape, Insert without modifiers, Ctrl+Delete, and Enter and
// Tab, which end the editing.
bool EditorLeavesKeyToGrid(int key, KeyModifiers modifiers);

// A wheel step moves the current cell one row down or up, within the non-fixed rows.
GridCell WheelTarget(const GridModel& model, bool down);

}  // namespace pendra
