#pragma once
// Where the data file lives: beside the executable when one is there, else in the user's
// roaming application-data folder; "-p" keeps a new one beside the executable. A data
// file of the older version beside the executable is taken over once.
#include <string>

#include "app/PendraUnit.h"

namespace pendra {

inline constexpr char16_t kLegacyDataFileName[] = u"VeVuVizo.xml";
inline constexpr char16_t kDeprecatedLegacyDataFileName[] = u"~deprecated~VeVuVizo.xml";

// What the decision needs from the main window.
class DataFolderActions {
 public:
  virtual ~DataFolderActions() = default;
  virtual void XMLLaden(const std::u16string& pathAndFile) = 0;
  virtual void XMLSpeichern() = 0;
  virtual void ShowErrorMessageBox(const std::u16string& text, const std::u16string& Überschrift) = 0;
};

// The per-user data folder: the shell's application-data folder (or, when the shell knows
// none, the root of the current directory's drive) + "Pendra", as a full path in UNC form.
std::u16string PerUserDataFolder(const std::u16string& applicationDataFolder, const std::u16string& currentDirectory);

// Sets DataFolder and the current directory; true when a data file is there to be loaded.
bool ResolveDataFolder(PendraUnitState& state, DataFolderActions& actions);
// Loads and renames the legacy file; true when there was one.
bool MigrateLegacyDataFile(const PendraUnitState& state, DataFolderActions& actions);

}  // namespace pendra
