#pragma once
// Loading the data file into the sheet, section by section with a fallback for each, and
// saving the sheet through a temporary file that then replaces the data file in one step.
#include <string>

#include "platform/Geometry.h"
#include "sheet/PendraUnitState.h"
#include "sheet/SheetWindow.h"

namespace pendra {

inline constexpr char16_t kTemporaryFilePrefix[] = u"Pendra~tmp~backup~";

void XMLLaden(SheetWindow& window, const std::u16string& pathAndFile);
// True when the data file now holds the sheet.
bool XMLSpeichern(SheetWindow& window);

// The rectangle a save writes: the window's own while expanded, else the expanded
// window's with the right edge where it is now.
Rect SavedRectangle(const Rect& current, const PendraUnitState& state);

// The parent folder of a folder path, with a trailing delimiter (C:\Tools\Pendra\ gives C:\Tools\).
std::u16string EinenPfadAbziehenMitDelimeter(SheetWindow& window, const std::u16string& path);

}  // namespace pendra
