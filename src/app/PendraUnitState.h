#pragma once
// The unit-level state of the main window beside the sheet: the switches, the shrink/expand
// bar's values, the skin's pictures being in place, and what the run knows of its files. One
// plain struct, so that each rule that reads it can be run without a window.
#include <string>

#include "sheet/DataFileState.h"

namespace pendra {

// The two switches of the command line: "-m" starts hidden, "-p" keeps a new data file
// beside the executable.
struct CommandLineFlags {
  bool StartHidden = false;
  bool PortableMode = false;
};

// 0 collapsed, 1 expanding, 2 expanded, 3 collapsing, 4 before the window is set up.
enum class ExpandStates : unsigned char { Collapsed = 0, Expanding = 1, Expanded = 2, Collapsing = 3, NotSetUp = 4 };

struct PendraUnitState : DataFileState {
  CommandLineFlags Switches;
  int CollapsedWidth = 0;
  int ExpandedClientWidth = 0;
  ExpandStates ExpandState = ExpandStates::NotSetUp;
  bool SkinLoaded = false;
  // Set by the first wheel step of the run.
  bool WheelSeeded = false;
  std::u16string ApplicationTitle = u"Pendra";
};

}  // namespace pendra
