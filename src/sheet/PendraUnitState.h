#pragma once
// The unit-level state of the main window beside the sheet: the switches, the folders, the
// shrink/expand bar's values and the skin's pictures being in place. One plain struct, so
// that each rule that reads it can be run without a window.
#include <string>

#include "platform/FileSystem.h"

namespace pendra {

// The two switches of the command line: "-m" starts hidden, "-p" keeps a new data file
// beside the executable.
struct CommandLineFlags {
  bool StartHidden = false;
  bool PortableMode = false;
};

// 0 collapsed, 1 expanding, 2 expanded, 3 collapsing, 4 before the window is set up.
enum class ExpandStates : unsigned char { Collapsed = 0, Expanding = 1, Expanded = 2, Collapsing = 3, NotSetUp = 4 };

struct PendraUnitState {
  CommandLineFlags Switches;
  std::u16string ExeFolder;
  std::u16string DataFolder;
  int CollapsedWidth = 0;
  int ExpandedClientWidth = 0;
  ExpandStates ExpandState = ExpandStates::NotSetUp;
  bool SkinLoaded = false;
  // The data file as this run last read or wrote it; another version found before a save
  // was written by another program and is kept aside.
  FileStamp DataFileSeen;
  // A damaged data file that could not be kept aside: this run never replaces it.
  bool ProtectDataFile = false;
  // The last load met bytes of a wrong encoding and replaced them.
  bool DataFileLostCharacters = false;
  // The temporary file this run's last failed save left; empty when the last save succeeded.
  std::u16string TemporaryFile;
  // Set by the first wheel step of the run.
  bool WheelSeeded = false;
  std::u16string ApplicationTitle = u"Pendra";
};

inline constexpr char16_t kDataFileName[] = u"Pendra.xml";

}  // namespace pendra
