#pragma once
// Another version of the data file arrived (another PC's save through a synced folder, an edit
// by hand): it is merged into the window's sheet as one step that undo takes back whole. The
// current cell stays on its task, and a cell being edited keeps the text typed into it.
#include "sheet/DataFileState.h"
#include "sheet/LoadSave.h"
#include "sheet/SheetMerge.h"
#include "ui/EditSession.h"
#include "ui/GridModel.h"

namespace pendra {

// Merges the arrived version, which becomes the base of the next merge, and returns the merge.
SheetMerge TakeInArrivedVersion(const ArrivedVersion& arrived, Sheet& sheet, DataFileState& state, EditSession& edits,
                                GridModel& grid);

}  // namespace pendra
