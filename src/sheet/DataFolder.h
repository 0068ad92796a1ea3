#pragma once
// Where the data file lives: beside the executable when one is there, else in the folder the
// user chose for it, else in the user's roaming application-data folder; "-p" keeps a new one
// beside the executable unless a folder was chosen. A data
// file of the older version beside the executable is taken over once.
#include <string>

#include "sheet/DataFileState.h"
#include "sheet/Reports.h"

namespace pendra {

inline constexpr char16_t kLegacyDataFileName[] = u"VeVuVizo.xml";
inline constexpr char16_t kDeprecatedLegacyDataFileName[] = u"~deprecated~VeVuVizo.xml";

// The per-user data folder: the shell's application-data folder (or, when the shell knows
// none, the root of the current directory's drive) + "Pendra", as a full path in UNC form.
std::u16string PerUserDataFolder(const std::u16string& applicationDataFolder, const std::u16string& currentDirectory);

// What the data folder holds to be loaded: a data file, only a legacy file beside the
// executable, or nothing.
enum class FoundDataFile { None, DataFile, LegacyFile };

struct DataFolderChoice {
  FoundDataFile found = FoundDataFile::None;
  Reports reports;
};

// Sets DataFolder and the current directory and tidies what earlier runs' saves left there.
// A folder that cannot be found or made is reported, and nothing is found then.
DataFolderChoice ResolveDataFolder(DataFileState& state, bool portableMode);

// The legacy file beside the executable.
std::u16string LegacyDataFilePath(const DataFileState& state);
// Once its sheet is saved in DataFolder, the legacy file is renamed, so that it is taken over once.
void RetireLegacyDataFile(const DataFileState& state);

}  // namespace pendra
