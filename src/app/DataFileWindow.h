#pragma once
// The main window's side of the data file: the loads, saves and tidies of the sheet layer hand
// back values, and here the window is put where a load says, the skin a load or a first run
// names is loaded, and the reports are shown in their order.
#include <optional>

#include "app/PendraUnitState.h"
#include "app/SheetWindow.h"
#include "sheet/LoadSave.h"
#include "sheet/Reports.h"

namespace pendra {

// The window as a load sees it.
ScreenFacts ScreenFactsOf(SheetWindow& window);
// A load put in place: the window to its place, the skin's pictures, then the reports in their
// order. True for a clean load.
bool ApplyLoadedFile(SheetWindow& window, const LoadedFile& loaded);
void ShowReports(SheetWindow& window, const Reports& reports);

// The rectangle a save writes: the window's own while expanded, else the expanded
// window's with the right edge where it is now.
Rect SavedRectangle(const Rect& current, const PendraUnitState& state);
// The sheet and the window's rectangle saved; `report` false keeps the reports back (a background
// save whose failure was told already). True when the data file now holds the sheet.
bool SaveDataFile(SheetWindow& window, bool report = true);

enum class SaveOutcome { Saved, Failed, GaveWay };
// The background's save, prepared here and written elsewhere (WriteSave), then recorded here and
// reported when `report` says so. It gives way to a version of the data file that another program
// wrote since this run last read or wrote it, which the caller merges before it saves again.
SaveJob PrepareBackgroundSave(SheetWindow& window);
SaveOutcome RecordBackgroundSave(SheetWindow& window, SaveJob& job, SaveWritten written, bool report);

// Finds the data folder at start, tidies it and takes over a legacy file into the window's sheet;
// true when a data file is there to be loaded.
bool FindDataFolder(SheetWindow& window);

// testStartSkin: a first run's sheet names the preferred skin found, and its pictures are loaded.
void ChooseFirstSkin(SheetWindow& window);

}  // namespace pendra
