#pragma once
// Where the data file lives: beside the executable when one is there, else in the user's
// roaming application-data folder; "-p" keeps a new one beside the executable. A data
// file of the older version beside the executable is taken over once.
#include <string>

#include "sheet/SheetWindow.h"

namespace pendra {

inline constexpr char16_t kLegacyDataFileName[] = u"VeVuVizo.xml";
inline constexpr char16_t kDeprecatedLegacyDataFileName[] = u"~deprecated~VeVuVizo.xml";

// The per-user data folder: the shell's application-data folder (or, when the shell knows
// none, the root of the current directory's drive) + "Pendra", as a full path in UNC form.
std::u16string PerUserDataFolder(const std::u16string& applicationDataFolder, const std::u16string& currentDirectory);

// Sets DataFolder and the current directory and tidies what earlier runs' saves left there;
// true when a data file is there to be loaded. A legacy file is loaded into the window's sheet
// and saved at once.
bool ResolveDataFolder(SheetWindow& window);
// Loads the legacy file into the sheet and saves it in DataFolder, which exists; the legacy
// file is renamed only after that save succeeded. True when there was one.
bool MigrateLegacyDataFile(SheetWindow& window);

}  // namespace pendra
