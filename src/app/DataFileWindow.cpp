#include "app/DataFileWindow.h"

#include "platform/FileSystem.h"
#include "sheet/DataFolder.h"
#include "skins/Skins.h"

namespace pendra {

namespace {

// None when the window cannot tell its rectangle: the save then writes no whole tree.
std::optional<Rect> RectangleToSave(SheetWindow& window) {
  try {
    return SavedRectangle(window.Rectangle(), window.State());
  } catch (...) {
    return std::nullopt;
  }
}

// The legacy file's sheet comes into the window and is saved in the data folder; the legacy file
// is renamed only after that save succeeded. A failed step is dropped without a report.
void MigrateLegacyDataFile(SheetWindow& window) {
  PendraUnitState& state = window.State();
  try {
    ApplyLoadedFile(window, XMLLaden(window.TheSheet(), state, LegacyDataFilePath(state), ScreenFactsOf(window)));
    state.ExpandState = ExpandStates::Expanded;
    if (SaveDataFile(window)) RetireLegacyDataFile(state);
  } catch (...) {
  }
}

}  // namespace

ScreenFacts ScreenFactsOf(SheetWindow& window) {
  return {window.Rectangle(),           window.VirtualDesktop(), window.PrimaryScreenWidth(),
          window.PrimaryScreenHeight(), window.DisplayScale(),   window.State().CollapsedWidth};
}

bool ApplyLoadedFile(SheetWindow& window, const LoadedFile& loaded) {
  if (loaded.window) {
    window.SetLeft(loaded.window->left);
    window.SetTop(loaded.window->top);
    window.SetClientWidth(loaded.window->width);
    window.SetClientHeight(loaded.window->height);
  }
  if (loaded.loadSkin) window.loadSkin();
  ShowReports(window, loaded.reports);
  return loaded.clean;
}

void ShowReports(SheetWindow& window, const Reports& reports) {
  for (const Report& report : reports.Items()) {
    switch (report.kind) {
      case Report::Kind::Failure: window.ShowExceptionMessageBox(report.text); break;
      case Report::Kind::Info: window.ShowInfoMessageBox(report.text, report.title); break;
      case Report::Kind::Error: window.ShowErrorMessageBox(report.text, report.title); break;
    }
  }
}

Rect SavedRectangle(const Rect& current, const PendraUnitState& state) {
  if (state.ExpandState == ExpandStates::Expanded) return current;
  return {current.right() - state.ExpandedClientWidth, current.top, state.ExpandedClientWidth, current.height};
}

bool SaveDataFile(SheetWindow& window, bool report) {
  const SaveResult result = XMLSpeichern(window.TheSheet(), window.State(), RectangleToSave(window));
  if (report) ShowReports(window, result.reports);
  return result.saved;
}

SaveJob PrepareBackgroundSave(SheetWindow& window) {
  return PrepareSave(window.TheSheet(), window.State(), RectangleToSave(window), OtherVersion::GiveWay);
}

SaveOutcome RecordBackgroundSave(SheetWindow& window, SaveJob& job, SaveWritten written, bool report) {
  const SaveResult result = RecordSave(window.State(), job, std::move(written));
  if (report) ShowReports(window, result.reports);
  if (result.gaveWay) return SaveOutcome::GaveWay;
  return result.saved ? SaveOutcome::Saved : SaveOutcome::Failed;
}

bool FindDataFolder(SheetWindow& window) {
  PendraUnitState& state = window.State();
  const DataFolderChoice choice = ResolveDataFolder(state, state.Switches.PortableMode);
  ShowReports(window, choice.reports);
  if (choice.found == FoundDataFile::LegacyFile) MigrateLegacyDataFile(window);
  return choice.found != FoundDataFile::None;
}

void ChooseFirstSkin(SheetWindow& window) {
  Reports reports;
  const bool chosen = TestStartSkin(window.TheSheet(), window.State().ExeFolder, reports);
  ShowReports(window, reports);
  if (chosen) Guarded(window, u"testStartSkin", [&] { window.loadSkin(); });
}

}  // namespace pendra
