#pragma once
// Loading the data file into the sheet, section by section with a fallback for each, and
// saving the sheet through a temporary file that then replaces the data file in one step.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Geometry.h"
#include "platform/Scale.h"
#include "sheet/PendraUnitState.h"
#include "sheet/Reports.h"
#include "sheet/SheetWindow.h"

namespace pendra {

inline constexpr char16_t kTemporaryFilePrefix[] = u"Pendra~tmp~backup~";
// A larger file is no sheet of this program: it is refused before it is read.
inline constexpr std::uint64_t kMaxDataFileBytes = 64ull * 1024 * 1024;

// What placing a loaded window needs to know: the window's rectangle before the load (left, top,
// client width and height), all monitors together, the primary screen's size, the display's scale.
struct ScreenFacts {
  Rect window;
  Rect virtualDesktop;
  int primaryWidth = 0;
  int primaryHeight = 0;
  Scale scale;
};

struct LoadedFile {
  // The file loaded without a report and without replacing characters of a wrong encoding;
  // after a report the sheet holds fallbacks.
  bool clean = false;
  // Where the window goes: its stored place, or its default one when that could not be read;
  // none when the file itself could not be read.
  std::optional<Rect> window;
  // The sheet now names a skin whose pictures are to be loaded.
  bool loadSkin = false;
  Reports reports;
};

// Loads the data file into the sheet, which holds nothing loaded yet; the caller puts the window
// in its place, loads the skin and then shows the reports.
LoadedFile XMLLaden(Sheet& sheet, PendraUnitState& state, const std::u16string& pathAndFile, const ScreenFacts& screen);
// After a load with a report, or one that replaced characters, the data file is kept beside it
// exactly as it was found, before any save replaces it, and the user is told where and why. When
// it cannot be kept, that is reported and the data file is never replaced in this run.
Reports KeepUnreadableDataFile(PendraUnitState& state);
// The window as a load sees it; a load put in place: the window to its place, the skin's
// pictures, then the reports in their order. True for a clean load.
ScreenFacts ScreenFactsOf(const SheetWindow& window);
bool ApplyLoadedFile(SheetWindow& window, const LoadedFile& loaded);
void ShowReports(SheetWindow& window, const Reports& reports);

// True when the data file now holds the sheet.
bool XMLSpeichern(SheetWindow& window);

// The rectangle a save writes: the window's own while expanded, else the expanded
// window's with the right edge where it is now.
Rect SavedRectangle(const Rect& current, const PendraUnitState& state);

// The parent folder of a folder path, with a trailing delimiter (C:\Tools\Pendra\ gives C:\Tools\).
std::u16string EinenPfadAbziehenMitDelimeter(ExceptionReporter& reporter, const std::u16string& path);

}  // namespace pendra
