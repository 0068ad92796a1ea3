#pragma once
// The parts of the to-do sheet that the grid does not hold: column alignments, the two
// display flags (kept, as the window shows them, as the visibility of menu-item pairs),
// the skin values and the window rectangle.
#include <cstdint>
#include <string>
#include <vector>

namespace pendra {

enum TCellAlignment : std::uint8_t { ALIGNLEFT = 0, ALIGNCENTER = 1, ALIGNRIGHT = 2 };

// An Aktiv/Deaktiv pair of popup-menu items; at most one of them is visible. Until
// something sets the flag both are hidden and the flag reads false.
struct MenuItemPair {
  bool AktivVisible = false;
  bool DeaktivVisible = false;

  void Show(bool value) {
    AktivVisible = value;
    DeaktivVisible = !value;
  }
};

struct SheetFlags {
  MenuItemPair TitleFett;      // mnuTitleFettAktiv / mnuTitleFettDeaktiv
  MenuItemPair MakeTitleBold;  // mnuMakeTitleBoldAktiv / ...Deaktiv, never shown
  MenuItemPair ShowGridLines;  // mnuShowGridLinesAktiv / ...Deaktiv

  bool HeaderTextBold() const { return TitleFett.AktivVisible || MakeTitleBold.AktivVisible; }
  bool DrawGridLines() const { return ShowGridLines.AktivVisible; }
};

struct WindowRectangle {
  int Left = 0;
  int Top = 0;
  int ClientWidth = 0;
  int ClientHeight = 0;
};

// Resizes the alignment list to the column count: kept entries stay, new ones are ALIGNLEFT.
void ResizeColumnAlignments(std::vector<TCellAlignment>& alignments, int columnCount);

}  // namespace pendra
