#pragma once
// Other versions of the list arrive while Pendra runs: the data file as another PC's save or a
// sync client left it, and the copies sync clients leave beside it when both PCs changed it.
// Each is merged into the window's sheet as one step that undo takes back whole; the current
// cell stays on its task, and a cell being edited keeps the text typed into it.
#include <string>
#include <vector>

#include "sheet/DataFileState.h"
#include "sheet/SheetMerge.h"
#include "ui/EditSession.h"
#include "ui/GridModel.h"

namespace pendra {

// Merges another version that descends from `base`; the other version is known from now on.
// Returns the merge.
SheetMerge MergeInVersion(const Sheet::Content& base, const Sheet::Content& other, Sheet& sheet, DataFileState& state,
                          EditSession& edits, GridModel& grid);

struct Arrivals {
  // The data file changed but does not read whole yet: it is to be looked at again soon.
  bool waiting = false;
  // The sheet took in another version.
  bool merged = false;
  // The sheet holds what the data file lacks, and is to be saved. A version that brought nothing
  // new is not written back, so that two PCs do not send the same list to and fro.
  bool save = false;
  // The data file holds the sheet as it is now: a change that waited to be saved is in it.
  bool fileHoldsSheet = false;
  // Two PCs had sent each other their own versions back, and this run took the other's: where its
  // own was kept.
  std::u16string keptOwnVersion;
  // Where the data file's version was kept, when the merge could not hold all of its texts.
  std::u16string keptConflict;
  // Where the merged copies of sync clients went.
  std::vector<std::u16string> movedCopies;
};

// Takes in the data file when another program changed it, then the sync clients' copies that
// read whole. A copy that cannot be moved after its merge is merged again later, which changes
// nothing.
Arrivals TakeInArrivals(Sheet& sheet, DataFileState& state, EditSession& edits, GridModel& grid);

struct SetAside {
  // The list may be saved over the data file now.
  bool saveOver = false;
  // Where the unreadable version was kept; empty when there was no file.
  std::u16string kept;
};

// The data file stayed unreadable, or gone, for the whole wait: a file there is damaged, and it
// is kept beside the list as it is before the list is saved in its place. One that cannot even be
// copied (another program holds it) is left for the next change, and nothing is saved over it.
SetAside SetAsideUnreadableVersion(DataFileState& state);

}  // namespace pendra
