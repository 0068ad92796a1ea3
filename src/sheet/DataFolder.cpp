#include "sheet/DataFolder.h"

#include "lang/Texts.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/Paths.h"
#include "sheet/ListLocation.h"
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

DataFolderChoice ResolveDataFolder(DataFileState& state, bool portableMode) {
  DataFolderChoice choice;
  try {
    FoundDataFile found = FoundDataFile::DataFile;
    if (FileExists(state.ExeFolder + kDataFileName)) {
      state.DataFolder = state.ExeFolder;
    } else {
      // The folder the user chose for the list takes the per-user folder's place.
      const std::u16string perUser = PerUserDataFolder(ApplicationDataFolder(), CurrentDirectory());
      const std::u16string chosen = ChosenListFolder(perUser);
      const std::u16string home = chosen.empty() ? perUser : chosen;
      if (FileExists(home + kDataFileName)) {
        state.DataFolder = home;
      } else {
        found = FileExists(LegacyDataFilePath(state)) ? FoundDataFile::LegacyFile : FoundDataFile::None;
        if (portableMode && chosen.empty()) {
          state.DataFolder = state.ExeFolder;
        } else {
          state.DataFolder = home;
          if (!DirectoryExists(home) && !ForceDirectories(home)) {
            throw EInOutError(u"Cannot create the folder \"" + home + u"\".");
          }
        }
      }
    }
    // Before anything is saved: a save would make what earlier runs left look older than the list.
    choice.reports = TidyLeftTemporaryFiles(state.DataFolder);
    SetCurrentDirectoryTo(state.DataFolder);
    choice.found = found;
  } catch (...) {
    choice.reports.Error(kDataFolderProblemText, kDataFolderProblemTitle);
  }
  return choice;
}

std::u16string LegacyDataFilePath(const DataFileState& state) { return state.ExeFolder + kLegacyDataFileName; }

void RetireLegacyDataFile(const DataFileState& state) {
  RenameFile(LegacyDataFilePath(state), state.ExeFolder + kDeprecatedLegacyDataFileName);
}

}  // namespace pendra
