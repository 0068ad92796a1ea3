#pragma once
// The unit-level state of the main window: everything the rules read and change,
// kept in one plain struct so that each rule can be run without a window.
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "sheet/Sheet.h"

namespace pendra {

// 0 collapsed, 1 expanding, 2 expanded, 3 collapsing, 4 before the window is set up.
enum class ExpandStates : unsigned char { Collapsed = 0, Expanding = 1, Expanded = 2, Collapsing = 3, NotSetUp = 4 };

struct PendraUnitState {
  CommandLineFlags Switches;
  std::u16string ExeFolder;
  std::u16string DataFolder;
  int CollapsedWidth = 0;
  int ExpandedClientWidth = 0;
  ExpandStates ExpandState = ExpandStates::NotSetUp;

  std::vector<TCellAlignment> ColumnAlignments = std::vector<TCellAlignment>(3, ALIGNLEFT);
  SheetFlags Flags;
  std::u16string SkinName;
  std::u16string SkinPath;
  bool SkinLoaded = false;
  std::u16string ApplicationTitle = u"Pendra";
};

inline constexpr char16_t kDataFileName[] = u"Pendra.xml";

}  // namespace pendra
