#pragma once
// Loading the data file into the sheet, section by section with a fallback for each, and
// saving the sheet through a temporary file that then replaces the data file in one step.
#include <string>

#include "sheet/SheetWindow.h"
#include "xml/XmlDocument.h"

namespace pendra {

inline constexpr char16_t kTemporaryFilePrefix[] = u"Pendra~tmp~backup~";
// Counts beyond these are a damaged file, not a sheet: they would exhaust the memory.
inline constexpr int kMaximumRowCount = 1000000;
inline constexpr int kMaximumColumnCount = 10000;

void XMLLaden(SheetWindow& window, XmlDocument& doc, const std::u16string& pathAndFile);
void XMLSpeichern(SheetWindow& window, XmlDocument& doc);

// The parent folder of a folder path, with a trailing delimiter (C:\Tools\Pendra\ gives C:\Tools\).
std::u16string EinenPfadAbziehenMitDelimeter(SheetWindow& window, const std::u16string& path);

}  // namespace pendra
