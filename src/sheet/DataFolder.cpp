#include "sheet/DataFolder.h"

#include "lang/Texts.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/Paths.h"
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
      std::u16string perUser = PerUserDataFolder(ApplicationDataFolder(), CurrentDirectory());
      if (FileExists(perUser + kDataFileName)) {
        state.DataFolder = perUser;
      } else {
        found = FileExists(LegacyDataFilePath(state)) ? FoundDataFile::LegacyFile : FoundDataFile::None;
        if (portableMode) {
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
