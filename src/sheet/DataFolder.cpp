#include "sheet/DataFolder.h"

#include "lang/Texts.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/Paths.h"
#include "sheet/LoadSave.h"
#include "sheet/TemporaryFiles.h"

namespace pendra {

namespace {

std::u16string RootOf(const std::u16string& directory) {
  if (directory.size() >= 2 && directory[1] == u':') return directory.substr(0, 2) + kPathDelimiter;
  return std::u16string(1, kPathDelimiter);
}

}  // namespace

std::u16string PerUserDataFolder(const std::u16string& applicationDataFolder, const std::u16string& currentDirectory) {
  std::u16string base =
      applicationDataFolder.empty() ? RootOf(currentDirectory) : IncludeTrailingPathDelimiter(applicationDataFolder);
  return UniversalName(ExpandFileName(base + u"Pendra" + kPathDelimiter));
}

bool MigrateLegacyDataFile(SheetWindow& window) {
  PendraUnitState& state = window.State();
  bool result = false;
  try {
    std::u16string legacy = state.ExeFolder + kLegacyDataFileName;
    if (FileExists(legacy)) {
      ApplyLoadedFile(window, XMLLaden(window.TheSheet(), state, legacy, ScreenFactsOf(window)));
      result = true;
      SetCurrentDirectoryTo(state.DataFolder);
      state.ExpandState = ExpandStates::Expanded;
      // The old file keeps its name until its sheet is safely in the new one.
      if (XMLSpeichern(window)) RenameFile(legacy, state.ExeFolder + kDeprecatedLegacyDataFileName);
    }
  } catch (...) {
    // A failed take-over step is dropped without a report.
  }
  return result;
}

bool ResolveDataFolder(SheetWindow& window) {
  PendraUnitState& state = window.State();
  bool result = false;
  try {
    bool found = true;
    if (FileExists(state.ExeFolder + kDataFileName)) {
      state.DataFolder = state.ExeFolder;
    } else {
      std::u16string perUser = PerUserDataFolder(ApplicationDataFolder(), CurrentDirectory());
      if (FileExists(perUser + kDataFileName)) {
        state.DataFolder = perUser;
      } else {
        found = false;
        if (state.Switches.PortableMode) {
          state.DataFolder = state.ExeFolder;
        } else {
          state.DataFolder = perUser;
          if (!DirectoryExists(perUser) && !ForceDirectories(perUser)) {
            throw EInOutError(u"Cannot create the folder \"" + perUser + u"\".");
          }
        }
      }
    }
    // Before anything is saved: a save would make what earlier runs left look older than the list.
    TidyLeftTemporaryFiles(window);
    result = found || MigrateLegacyDataFile(window);
    SetCurrentDirectoryTo(state.DataFolder);
  } catch (...) {
    window.ShowErrorMessageBox(kDataFolderProblemText, kDataFolderProblemTitle);
    return false;
  }
  return result;
}

}  // namespace pendra
