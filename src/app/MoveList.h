#pragma once
// The user moves the list into another folder (one a sync client shares with another PC, say).
// The list goes there and the folder is remembered; there are never two lists: the data file in
// the old folder goes once the new one holds the list. A list found in the new folder is not
// replaced: both come together, the tasks of both, and a cell both have keeps this list's text.
#include <string>

#include "sheet/DataFileState.h"
#include "sheet/Reports.h"
#include "ui/EditSession.h"
#include "ui/GridModel.h"

namespace pendra {

struct ListMove {
  // The list now lives in the new folder, which DataFolder names.
  bool moved = false;
  Reports reports;
};

// `window` is the window's rectangle a save writes; `perUserFolder` holds the remembered folder.
ListMove MoveListTo(const std::u16string& folder, const std::u16string& perUserFolder, const Rect& window, Sheet& sheet,
                    DataFileState& state, EditSession& edits, GridModel& grid);

}  // namespace pendra
