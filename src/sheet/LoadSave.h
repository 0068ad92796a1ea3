#pragma once
// Loading the data file into the sheet, section by section with a fallback for each, and
// saving the sheet through a temporary file that then replaces the data file in one step.
#include <cstdint>
#include <string>

#include "platform/Geometry.h"
#include "sheet/PendraUnitState.h"
#include "sheet/SheetWindow.h"

namespace pendra {

inline constexpr char16_t kTemporaryFilePrefix[] = u"Pendra~tmp~backup~";
// A larger file is no sheet of this program: it is refused before it is read.
inline constexpr std::uint64_t kMaxDataFileBytes = 64ull * 1024 * 1024;

// True when the file loaded without a report and without replacing characters of a wrong
// encoding; after a report the sheet holds fallbacks.
bool XMLLaden(SheetWindow& window, const std::u16string& pathAndFile);
// After a load with a report, or one that replaced characters, the data file is kept beside it
// exactly as it was found, before any save replaces it, and the user is told where and why. When it cannot be kept,
// that is reported and the data file is never replaced in this run.
void KeepUnreadableDataFile(SheetWindow& window);
// True when the data file now holds the sheet.
bool XMLSpeichern(SheetWindow& window);

// The rectangle a save writes: the window's own while expanded, else the expanded
// window's with the right edge where it is now.
Rect SavedRectangle(const Rect& current, const PendraUnitState& state);

// The parent folder of a folder path, with a trailing delimiter (C:\Tools\Pendra\ gives C:\Tools\).
std::u16string EinenPfadAbziehenMitDelimeter(SheetWindow& window, const std::u16string& path);

}  // namespace pendra
