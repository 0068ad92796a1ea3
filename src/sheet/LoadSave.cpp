#include "sheet/LoadSave.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <vector>

#include "lang/Texts.h"
#include "platform/FileSystem.h"
#include "platform/Guid.h"
#include "platform/LocalTime.h"
#include "platform/Paths.h"
#include "sheet/DataFile.h"
#include "sheet/ExchangeLoop.h"
#include "sheet/KeepAside.h"
#include "sheet/SheetRules.h"
#include "sheet/SkinPlaces.h"
#include "sheet/TemporaryFiles.h"
#include "sheet/WindowPlacement.h"
#include "xml/XmlDocument.h"

namespace pendra {

namespace {

constexpr int kMinimumLoadedHeight = 50;

// The window of today's size in the middle of the primary screen, at the design's size.
Rect DefaultPlace(const ScreenFacts& screen) {
  return {CentredCoordinate(screen.primaryWidth, screen.window.width),
          CentredCoordinate(screen.primaryHeight, screen.window.height), screen.scale(kDesignClientWidth),
          screen.scale(kDesignClientHeight)};
}

// A stored edge is used when the window then still reaches onto the desktop.
int EdgeOrCentre(int stored, int desktopStart, int desktopEnd, int windowExtent, int screenExtent) {
  if (desktopStart - windowExtent < stored && stored < desktopEnd - 10) return stored;
  return CentredCoordinate(screenExtent, windowExtent);
}

// The edges are judged with the window's size before the load.
Rect StoredPlace(const Rect& stored, const ScreenFacts& screen) {
  const Rect& current = screen.window;
  const Rect& desktop = screen.virtualDesktop;
  return {EdgeOrCentre(stored.left, desktop.left, desktop.right(), current.width, screen.primaryWidth),
          EdgeOrCentre(stored.top, desktop.top, desktop.bottom(), current.height, screen.primaryHeight),
          stored.width >= screen.collapsedWidth ? stored.width : screen.scale(kDesignClientWidth),
          stored.height >= kMinimumLoadedHeight ? stored.height : screen.scale(kDesignClientHeight)};
}

// The stored place, or the default one with a report; true for the stored one.
bool LoadWindowPosition(XmlElem& root, const ScreenFacts& screen, Rect& place, Reports& reports) {
  try {
    place = StoredPlace(ReadWindowPosition(root), screen);
    return true;
  } catch (...) {
    place = DefaultPlace(screen);
    reports.ShowExceptionMessageBox(u"Load WindowPosition");
    return false;
  }
}

// The counts as the file gives them, where they are there and plausible. A missing count falls
// back to the first sheet's shape; a count beyond the limits, or a sheet of more cells than
// allowed, takes the rows and columns the file actually holds. Either is reported, and the
// readable values stay.
struct PlausibleCounts {
  int rows = 0;  // task rows
  int columns = 0;
  bool asStored = true;
};

PlausibleCounts CountsOf(const StoredColumnInfo& info, XmlElem& root) {
  PlausibleCounts counts{info.RowCount.value_or(5), info.ColumnCount.value_or(3),
                         info.RowCount.has_value() && info.ColumnCount.has_value()};
  if (counts.rows > Sheet::kMaxRowCount - 1) {
    counts.rows = StoredTaskCount(root);
    counts.asStored = false;
  }
  if (counts.columns > Sheet::kMaxColCount) {
    counts.columns = StoredColumnCount(root);
    counts.asStored = false;
  }
  const auto cells = [&] { return (counts.rows + 1LL) * std::max(counts.columns, 1); };
  if (cells() > Sheet::kMaxCellCount) {
    counts.rows = std::max(0, StoredTaskCount(root));
    counts.columns = std::clamp(StoredColumnCount(root), 1, Sheet::kMaxColCount);
    counts.asStored = false;
    if (cells() > Sheet::kMaxCellCount) counts.rows = static_cast<int>(Sheet::kMaxCellCount / counts.columns) - 1;
  }
  return counts;
}

bool LoadColumnInfo(Sheet& sheet, XmlElem& root, Reports& reports) {
  StoredColumnInfo info;
  PlausibleCounts counts{5, 3, false};
  try {
    info = ReadColumnInfo(root);
    if (info.present) counts = CountsOf(info, root);
  } catch (...) {
    info = {};
    counts = {5, 3, false};
  }
  sheet.SetRowCount(counts.rows + 1);
  sheet.SetColCount(counts.columns);
  const bool clean = info.present && counts.asStored;
  if (!clean) reports.ShowExceptionMessageBox(u"Load ColumnInfo");
  // Without a clean section a flag the file lacks takes the first sheet's value.
  if (info.HeaderTextBold != StoredFlag::Missing || !clean) sheet.SetTitleBold(info.HeaderTextBold == StoredFlag::On);
  if (info.DrawGridLines != StoredFlag::Missing || !clean) sheet.SetGridLines(info.DrawGridLines != StoredFlag::Off);
  return clean;
}

// "No Skin", a skin whose folder is gone, or one on another computer that is none of the
// program's own folders leaves the built-in look. True when the sheet names a skin to load.
bool RestoreSavedSkin(Sheet& sheet, const StoredSkin& skin, const std::u16string& exeFolder, Reports& reports) {
  if (skin.Name) {
    if (*skin.Name == kNoSkinName) {
      sheet.SetSkinName(kNoSkinName);
      sheet.SetSkinPath(u"");
    } else {
      sheet.SetSkinName(*skin.Name);
    }
  }
  if (!skin.Path) return false;
  if (MayFollowSavedSkinPath(reports, exeFolder, *skin.Path) && DirectoryExists(*skin.Path + sheet.SkinName())) {
    sheet.SetSkinPath(*skin.Path);
    return true;
  }
  sheet.SetSkinName(kNoSkinName);
  sheet.SetSkinPath(u"");
  return false;
}

// Applies the columns as far as they were read: a width (at least 2), the caption, the
// alignment. A description beyond the last column fails, which ends the header there.
void LoadColumnHeader(Sheet& sheet, XmlElem& root) {
  std::vector<StoredColumn> columns;
  std::exception_ptr unreadable;
  try {
    ReadColumnHeader(root, columns);
  } catch (...) {
    unreadable = std::current_exception();
  }
  Sheet::Batch batch(sheet);
  for (size_t i = 0; i < columns.size(); ++i) {
    const StoredColumn& column = columns[i];
    const int col = static_cast<int>(i);
    if (!column.Width) break;
    sheet.SetColWidth(col, *column.Width);
    if (sheet.ColWidth(col) < 2) sheet.SetColWidth(col, 2);
    if (!column.Caption) break;
    AppendToRow(sheet, 0, *column.Caption);
    if (!column.Alignment) break;
    sheet.SetAlignment(col, *column.Alignment);
  }
  if (unreadable) std::rethrow_exception(unreadable);
}

// The rows hold nothing loaded yet. A task's texts fill its row's cells in turn, as far as the
// columns go; an empty text is kept as a blank, so that the next text keeps its own cell.
void LoadToDoContent(Sheet& sheet, XmlElem& root) {
  std::vector<StoredTask> tasks;
  ReadToDoContent(root, tasks);
  Sheet::Batch batch(sheet);
  const size_t columns = static_cast<size_t>(sheet.ColCount());
  int row = 1;
  for (const StoredTask& task : tasks) {
    if (row >= sheet.RowCount()) break;
    std::vector<std::u16string> cells;
    cells.reserve(std::min(task.size(), columns));
    for (std::u16string_view text : task) {
      if (cells.size() == columns) break;
      cells.emplace_back(text.empty() ? u" " : text);
    }
    sheet.SetRow(row, std::move(cells));
    ++row;
  }
}

// A data file that another program changed since this run read or wrote it is kept aside
// before the save replaces it. A failure to keep it is reported, and the save goes on.
bool AnotherVersionArrived(const FileStamp& seen, const std::u16string& dataFile) {
  const FileStamp found = FileStampOf(dataFile);
  return found.exists && found != seen;
}

void KeepConflictingVersion(const SaveJob& job, const std::u16string& dataFile, Reports& reports) {
  if (!AnotherVersionArrived(job.dataFileSeen, dataFile)) return;
  try {
    KeepFileAside(job.dataFolder, kDataFileName, u"conflict", CurrentLocalTime());
  } catch (const std::exception& failure) {
    reports.Error(NotKeptConflictText(dataFile, FailureTypeName(failure)), kSaveProblemTitle);
  }
}

}  // namespace

LoadedFile XMLLaden(Sheet& sheet, DataFileState& state, const std::u16string& pathAndFile, const ScreenFacts& screen) {
  LoadedFile loaded;
  Reports& reports = loaded.reports;
  XmlDocument doc;
  const bool read = Guarded(reports, u"XMLloadToDoList", [&] {
    if (FileSize(pathAndFile) > kMaxDataFileBytes) throw EDataFileError(u"The file is too large for a sheet.");
    doc.Root()->SetName(kRootName);
    doc.LoadFromFile(pathAndFile, Encoding::Auto);
  });
  state.DataFileSeen = FileStampOf(pathAndFile);
  state.DataFileLostCharacters = read && doc.ReplacedCharacters();
  if (!read) return loaded;
  XmlElem& root = *doc.Root();
  // Every section is loaded, also after another one failed. Characters that had to be replaced
  // would be lost for good by the next save: such a load is no clean one either.
  bool clean = !doc.ReplacedCharacters();
  Rect place;
  clean = LoadWindowPosition(root, screen, place, reports) && clean;
  loaded.window = place;
  clean = LoadColumnInfo(sheet, root, reports) && clean;
  clean = Guarded(reports, u"Load Skin",
                  [&] { loaded.loadSkin = RestoreSavedSkin(sheet, ReadSkin(root), state.ExeFolder, reports); }) &&
          clean;
  clean = Guarded(reports, u"Load ColumnHeader", [&] { LoadColumnHeader(sheet, root); }) && clean;
  clean = Guarded(reports, u"Load ToDoContent", [&] { LoadToDoContent(sheet, root); }) && clean;
  loaded.clean = clean;
  state.Known.Add(sheet.Snapshot());
  return loaded;
}

std::optional<Sheet::Content> ReadWholeSheet(const std::u16string& path, const std::u16string& exeFolder) {
  const FileStamp before = FileStampOf(path);
  if (!before.exists) return std::nullopt;
  Sheet sheet;
  DataFileState reading;
  reading.ExeFolder = exeFolder;
  const LoadedFile loaded = XMLLaden(sheet, reading, path, ScreenFacts{});
  // A file that changed while it was read is still arriving.
  if (!loaded.clean || FileStampOf(path) != before) return std::nullopt;
  return sheet.Snapshot();
}

ArrivedVersion ReadArrivedVersion(const DataFileState& state) {
  ArrivedVersion arrived;
  const std::u16string path = state.DataFolder + kDataFileName;
  arrived.stamp = FileStampOf(path);
  // A folder that is gone brings no version: the next save makes it again.
  if (arrived.stamp == state.DataFileSeen || !DirectoryExists(state.DataFolder)) return arrived;
  arrived.kind = ArrivedVersion::Kind::NotYetWhole;
  std::optional<Sheet::Content> content = ReadWholeSheet(path, state.ExeFolder);
  if (!content || FileStampOf(path) != arrived.stamp) return arrived;
  arrived.kind = ArrivedVersion::Kind::Whole;
  arrived.content = std::move(*content);
  return arrived;
}

Reports KeepUnreadableDataFile(DataFileState& state) {
  Reports reports;
  try {
    const std::u16string kept = KeepFileAside(state.DataFolder, kDataFileName, u"unreadable", CurrentLocalTime());
    reports.Info(state.DataFileLostCharacters ? KeptLostCharactersText(kept) : KeptUnreadableText(kept),
                 kKeptUnreadableTitle);
  } catch (const std::exception& failure) {
    state.ProtectDataFile = true;
    reports.Error(NotKeptUnreadableText(state.DataFolder + kDataFileName, FailureTypeName(failure)), kSaveProblemTitle);
  }
  return reports;
}

SaveResult XMLSpeichern(Sheet& sheet, DataFileState& state, const std::optional<Rect>& window, OtherVersion other) {
  SaveJob job = PrepareSave(sheet, state, window, other);
  return RecordSave(state, job, WriteSave(job));
}

SaveJob PrepareSave(Sheet& sheet, const DataFileState& state, const std::optional<Rect>& window, OtherVersion other) {
  if (window) sheet.SetWindowRect(*window);
  return {sheet.Image(),      window, other, state.DataFolder, state.DataFileSeen, state.ProtectDataFile,
          state.TemporaryFile};
}

SaveWritten WriteSave(const SaveJob& job) {
  SaveWritten written;
  Reports& reports = written.result.reports;
  XmlDocument doc;
  const bool built = Guarded(reports, u"XMLsaveToDoList-create XML Node", [&] {
    if (!job.window) throw std::bad_optional_access();
    doc.LoadFromString(u"");
    BuildDataFileTree(*doc.Root(), job.sheet);
  });

  const std::u16string& folder = job.dataFolder;
  std::u16string dataFile = folder + kDataFileName;
  try {
    ClearReadOnly(dataFile);
  } catch (const std::exception& failure) {
    reports.Error(SaveReadOnlyText(dataFile, FailureMessage(failure), FailureTypeName(failure)), kSaveProblemTitle);
    return written;
  }

  // A data folder that disappeared while the program ran (a cleaner, a synchronisation program)
  // is made again, so that the list is not lost with it.
  if (!folder.empty() && !DirectoryExists(folder)) ForceDirectories(folder);

  std::u16string temporary = folder + kTemporaryFilePrefix + NewGuidText();
  try {
    WriteWholeFileDurably(temporary, doc.SaveToBytes());
  } catch (const std::exception& failure) {
    // A file cut short (a full disk) holds nothing to keep; an earlier one of this run stays.
    DeleteQuietly(temporary);
    reports.Error(SaveTemporaryFileText(folder, FailureTypeName(failure)), kSaveProblemTitle);
    return written;
  }
  // The run keeps one temporary file: the newest.
  if (!job.temporaryFile.empty() && job.temporaryFile != temporary) DeleteQuietly(job.temporaryFile);
  written.temporaryFile = temporary;
  // A tree that could not be built whole, or a damaged file that could not be kept aside, never
  // replaces the data file; what was built stays in the temporary file, the run's only one.
  if (!built || job.protectDataFile) return written;

  if (job.other == OtherVersion::GiveWay && AnotherVersionArrived(job.dataFileSeen, dataFile)) {
    written.result.gaveWay = true;
    return written;
  }
  KeepConflictingVersion(job, dataFile, reports);
  try {
    ReplaceFileAtomically(temporary, dataFile);
  } catch (const std::exception& failure) {
    reports.Error(SaveReplaceText(dataFile, FailureTypeName(failure)), kSaveProblemTitle);
    return written;
  }
  // A replacement across volumes copies; should the source then stay, it goes here.
  DeleteQuietly(temporary);
  written.temporaryFile = u"";
  written.dataFileSeen = FileStampOf(dataFile);
  written.fingerprint = VersionFingerprint(job.sheet.content);
  written.result.saved = true;
  return written;
}

SaveResult RecordSave(DataFileState& state, SaveJob& job, SaveWritten written) {
  if (written.temporaryFile) state.TemporaryFile = *written.temporaryFile;
  if (written.result.saved) {
    state.DataFileSeen = written.dataFileSeen;
    state.Exchanges.Wrote(written.fingerprint);
    state.Known.Add(std::move(job.sheet.content));
  }
  return std::move(written.result);
}

std::u16string KeepSheetAside(const Sheet& sheet, const DataFileState& state) {
  XmlDocument doc;
  doc.LoadFromString(u"");
  BuildDataFileTree(*doc.Root(), sheet.Image());
  return KeepBytesAside(state.DataFolder, doc.SaveToBytes(), u"conflict", CurrentLocalTime());
}

std::u16string EinenPfadAbziehenMitDelimeter(Reports& reports, const std::u16string& path) {
  try {
    return ExtractFilePath(ExcludeTrailingPathDelimiter(ExtractFilePath(path)));
  } catch (...) {
    reports.ShowExceptionMessageBox(u"EinenPfadAbziehenMitDelimeter");
    return {};
  }
}

}  // namespace pendra
