#pragma once
// Loading the data file into the sheet, section by section with a fallback for each, and
// saving the sheet through a temporary file that then replaces the data file in one step.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Geometry.h"
#include "platform/Scale.h"
#include "sheet/DataFileState.h"
#include "sheet/Reports.h"
#include "sheet/Sheet.h"

namespace pendra {

inline constexpr char16_t kTemporaryFilePrefix[] = u"Pendra~tmp~backup~";
// A larger file is no sheet of this program: it is refused before it is read.
inline constexpr std::uint64_t kMaxDataFileBytes = 64ull * 1024 * 1024;

// What placing a loaded window needs to know: the window's rectangle before the load (left, top,
// client width and height), all monitors together, the primary screen's size, the display's scale,
// and the collapsed window's width, below which a stored width is no width.
struct ScreenFacts {
  Rect window;
  Rect virtualDesktop;
  int primaryWidth = 0;
  int primaryHeight = 0;
  Scale scale;
  int collapsedWidth = 0;
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
LoadedFile XMLLaden(Sheet& sheet, DataFileState& state, const std::u16string& pathAndFile, const ScreenFacts& screen);
// After a load with a report, or one that replaced characters, the data file is kept beside it
// exactly as it was found, before any save replaces it, and the user is told where and why. When
// it cannot be kept, that is reported and the data file is never replaced in this run.
Reports KeepUnreadableDataFile(DataFileState& state);

// The data file when another program (a sync client, another PC's Pendra) wrote it since this run
// last read or wrote it: none while it is as this run saw it, or its folder is gone; not yet whole
// while it is gone, held or does not read whole (a copy still arriving, or damaged); else the
// sheet it holds.
struct ArrivedVersion {
  enum class Kind { None, NotYetWhole, Whole };
  Kind kind = Kind::None;
  Sheet::Content content;
  FileStamp stamp;
};
ArrivedVersion ReadArrivedVersion(const DataFileState& state);
// The sheet a file holds when it reads whole and did not change while it was read.
std::optional<Sheet::Content> ReadWholeSheet(const std::u16string& path, const std::u16string& exeFolder);

// What a save does with a version of the data file that another program wrote since this run last
// read or wrote it.
enum class OtherVersion {
  // Kept beside the data file, which the save then replaces: a save that cannot wait (the close).
  KeepAside,
  // Left in place, and nothing replaced: the caller merges it first and saves again.
  GiveWay,
};

struct SaveResult {
  // The data file now holds the sheet.
  bool saved = false;
  // Another program's version was left in place (OtherVersion::GiveWay).
  bool gaveWay = false;
  // What the caller is to tell the user, in order.
  Reports reports;
};

// Saves the sheet with the window's rectangle (left, top, client width and height) into the data
// file. A rectangle that could not be read leaves the tree incomplete: it is written to the
// temporary file only.
SaveResult XMLSpeichern(Sheet& sheet, DataFileState& state, const std::optional<Rect>& window,
                        OtherVersion other = OtherVersion::KeepAside);

// The same save in three steps, so that the writing can run away from the thread that owns the
// sheet and the state: the save is prepared there, written with nothing but the job and the file
// system, and recorded back there.
struct SaveJob {
  SheetImage sheet;
  // None when the window's rectangle could not be read.
  std::optional<Rect> window;
  OtherVersion other = OtherVersion::KeepAside;
  // What the writing needs of the run's state, as it was when the save was prepared.
  std::u16string dataFolder;
  FileStamp dataFileSeen;
  bool protectDataFile = false;
  std::u16string temporaryFile;
};

struct SaveWritten {
  SaveResult result;
  // The run's temporary file from now on (empty for none); none when it stays as it was.
  std::optional<std::u16string> temporaryFile;
  // The data file as the save left it, when it was replaced.
  FileStamp dataFileSeen;
  // The written sheet's VersionFingerprint, taken by the writer.
  std::uint64_t fingerprint = 0;
};

SaveJob PrepareSave(Sheet& sheet, const DataFileState& state, const std::optional<Rect>& window,
                    OtherVersion other = OtherVersion::KeepAside);
SaveWritten WriteSave(const SaveJob& job);
SaveResult RecordSave(DataFileState& state, SaveJob& job, SaveWritten written);

// Writes the sheet as it is, in the data file's form, into a file beside the data file that tells
// it is a conflict's, and returns that path; fails as KeepFileAside.
std::u16string KeepSheetAside(const Sheet& sheet, const DataFileState& state);

// The parent folder of a folder path, with a trailing delimiter (C:\Tools\Pendra\ gives C:\Tools\).
std::u16string EinenPfadAbziehenMitDelimeter(Reports& reports, const std::u16string& path);

}  // namespace pendra
