#include "sheet/LoadSave.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "lang/Texts.h"
#include "platform/FileSystem.h"
#include "platform/Guid.h"
#include "platform/LocalTime.h"
#include "platform/Paths.h"
#include "sheet/DataFile.h"
#include "sheet/KeepAside.h"
#include "sheet/SheetRules.h"
#include "sheet/Skins.h"
#include "sheet/TemporaryFiles.h"
#include "sheet/WindowPlacement.h"
#include "xml/XmlDocument.h"

namespace pendra {

namespace {

constexpr int kMinimumLoadedHeight = 50;

void Centre(SheetWindow& window) {
  Rect current = window.Rectangle();
  window.SetLeft(CentredCoordinate(window.PrimaryScreenWidth(), current.width));
  window.SetTop(CentredCoordinate(window.PrimaryScreenHeight(), current.height));
}

// A stored edge is used when the window then still reaches onto the desktop.
int EdgeOrCentre(int stored, int desktopStart, int desktopEnd, int windowExtent, int screenExtent) {
  if (desktopStart - windowExtent < stored && stored < desktopEnd - 10) return stored;
  return CentredCoordinate(screenExtent, windowExtent);
}

void PlaceWindow(SheetWindow& window, const Rect& stored) {
  Rect current = window.Rectangle();
  Rect desktop = window.VirtualDesktop();
  window.SetLeft(EdgeOrCentre(stored.left, desktop.left, desktop.right(), current.width, window.PrimaryScreenWidth()));
  window.SetTop(EdgeOrCentre(stored.top, desktop.top, desktop.bottom(), current.height, window.PrimaryScreenHeight()));
  const Scale scale = window.DisplayScale();
  window.SetClientWidth(stored.width >= window.State().CollapsedWidth ? stored.width : scale(kDesignClientWidth));
  window.SetClientHeight(stored.height >= kMinimumLoadedHeight ? stored.height : scale(kDesignClientHeight));
}

bool LoadWindowPosition(SheetWindow& window, XmlElem& root) {
  try {
    PlaceWindow(window, ReadWindowPosition(root));
    return true;
  } catch (...) {
    // The window is in its default place before the report appears.
    Centre(window);
    window.SetClientWidth(window.DisplayScale()(kDesignClientWidth));
    window.SetClientHeight(window.DisplayScale()(kDesignClientHeight));
    window.ShowExceptionMessageBox(u"Load WindowPosition");
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

bool LoadColumnInfo(SheetWindow& window, XmlElem& root) {
  Sheet& sheet = window.TheSheet();
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
  if (!clean) window.ShowExceptionMessageBox(u"Load ColumnInfo");
  // Without a clean section a flag the file lacks takes the first sheet's value.
  if (info.HeaderTextBold != StoredFlag::Missing || !clean) sheet.SetTitleBold(info.HeaderTextBold == StoredFlag::On);
  if (info.DrawGridLines != StoredFlag::Missing || !clean) sheet.SetGridLines(info.DrawGridLines != StoredFlag::Off);
  return clean;
}

// "No Skin", a skin whose folder is gone, or one on another computer that is none of the
// program's own folders leaves the built-in look.
void RestoreSavedSkin(SheetWindow& window, const StoredSkin& skin) {
  Sheet& sheet = window.TheSheet();
  if (skin.Name) {
    if (*skin.Name == kNoSkinName) {
      sheet.SetSkinName(kNoSkinName);
      sheet.SetSkinPath(u"");
    } else {
      sheet.SetSkinName(*skin.Name);
    }
  }
  if (skin.Path) {
    if (MayFollowSavedSkinPath(window, *skin.Path) && DirectoryExists(*skin.Path + sheet.SkinName())) {
      sheet.SetSkinPath(*skin.Path);
      window.loadSkin();
    } else {
      sheet.SetSkinName(kNoSkinName);
      sheet.SetSkinPath(u"");
    }
  }
}

// Applies the columns as far as they were read: a width (at least 2), the caption, the
// alignment. A description beyond the last column fails, which ends the header there.
void LoadColumnHeader(SheetWindow& window, XmlElem& root) {
  std::vector<StoredColumn> columns;
  std::exception_ptr unreadable;
  try {
    ReadColumnHeader(root, columns);
  } catch (...) {
    unreadable = std::current_exception();
  }
  Sheet& sheet = window.TheSheet();
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

void LoadToDoContent(SheetWindow& window, XmlElem& root) {
  std::vector<StoredTask> tasks;
  ReadToDoContent(root, tasks);
  Sheet& sheet = window.TheSheet();
  Sheet::Batch batch(sheet);
  int row = 1;
  for (const StoredTask& task : tasks) {
    for (std::u16string_view text : task) AppendToRow(sheet, row, std::u16string(text));
    ++row;
  }
}

// A data file that another program changed since this run read or wrote it is kept aside
// before the save replaces it. A failure to keep it is reported, and the save goes on.
void KeepConflictingVersion(SheetWindow& window, const std::u16string& dataFile) {
  PendraUnitState& state = window.State();
  const FileStamp found = FileStampOf(dataFile);
  if (!found.exists || found == state.DataFileSeen) return;
  try {
    KeepFileAside(state.DataFolder, kDataFileName, u"conflict", CurrentLocalTime());
  } catch (const std::exception& failure) {
    window.ShowErrorMessageBox(NotKeptConflictText(dataFile, FailureTypeName(failure)), kSaveProblemTitle);
  }
}

void ReportSaveProblem(SheetWindow& window, const std::u16string& text) {
  window.ShowErrorMessageBox(text, kSaveProblemTitle);
}

}  // namespace

bool XMLLaden(SheetWindow& window, const std::u16string& pathAndFile) {
  XmlDocument doc;
  const bool read = Guarded(window, u"XMLloadToDoList", [&] {
    if (FileSize(pathAndFile) > kMaxDataFileBytes) throw EDataFileError(u"The file is too large for a sheet.");
    doc.Root()->SetName(kRootName);
    doc.LoadFromFile(pathAndFile, Encoding::Auto);
  });
  window.State().DataFileSeen = FileStampOf(pathAndFile);
  window.State().DataFileLostCharacters = read && doc.ReplacedCharacters();
  if (!read) return false;
  XmlElem& root = *doc.Root();
  // Every section is loaded, also after another one failed. Characters that had to be replaced
  // would be lost for good by the next save: such a load is no clean one either.
  bool clean = !doc.ReplacedCharacters();
  clean = LoadWindowPosition(window, root) && clean;
  clean = LoadColumnInfo(window, root) && clean;
  clean = Guarded(window, u"Load Skin", [&] { RestoreSavedSkin(window, ReadSkin(root)); }) && clean;
  clean = Guarded(window, u"Load ColumnHeader", [&] { LoadColumnHeader(window, root); }) && clean;
  clean = Guarded(window, u"Load ToDoContent", [&] { LoadToDoContent(window, root); }) && clean;
  return clean;
}

void KeepUnreadableDataFile(SheetWindow& window) {
  PendraUnitState& state = window.State();
  try {
    const std::u16string kept = KeepFileAside(state.DataFolder, kDataFileName, u"unreadable", CurrentLocalTime());
    window.ShowInfoMessageBox(state.DataFileLostCharacters ? KeptLostCharactersText(kept) : KeptUnreadableText(kept),
                              kKeptUnreadableTitle);
  } catch (const std::exception& failure) {
    state.ProtectDataFile = true;
    window.ShowErrorMessageBox(NotKeptUnreadableText(state.DataFolder + kDataFileName, FailureTypeName(failure)),
                               kSaveProblemTitle);
  }
}

bool XMLSpeichern(SheetWindow& window) {
  Sheet& sheet = window.TheSheet();
  XmlDocument doc;
  const bool built = Guarded(window, u"XMLsaveToDoList-create XML Node", [&] {
    sheet.SetWindowRect(SavedRectangle(window.Rectangle(), window.State()));
    doc.LoadFromString(u"");
    BuildDataFileTree(*doc.Root(), sheet);
  });

  const std::u16string& folder = window.State().DataFolder;
  std::u16string dataFile = folder + kDataFileName;
  try {
    ClearReadOnly(dataFile);
  } catch (const std::exception& failure) {
    ReportSaveProblem(window, SaveReadOnlyText(dataFile, FailureMessage(failure), FailureTypeName(failure)));
    return false;
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
    ReportSaveProblem(window, SaveTemporaryFileText(folder, FailureTypeName(failure)));
    return false;
  }
  PendraUnitState& state = window.State();
  TakeTemporaryFile(state, temporary);
  // A tree that could not be built whole, or a damaged file that could not be kept aside, never
  // replaces the data file; what was built stays in the temporary file, the run's only one.
  if (!built || state.ProtectDataFile) return false;

  KeepConflictingVersion(window, dataFile);
  try {
    ReplaceFileAtomically(temporary, dataFile);
  } catch (const std::exception& failure) {
    ReportSaveProblem(window, SaveReplaceText(dataFile, FailureTypeName(failure)));
    return false;
  }
  DropTemporaryFile(state);
  state.DataFileSeen = FileStampOf(dataFile);
  return true;
}

Rect SavedRectangle(const Rect& current, const PendraUnitState& state) {
  if (state.ExpandState == ExpandStates::Expanded) return current;
  return {current.right() - state.ExpandedClientWidth, current.top, state.ExpandedClientWidth, current.height};
}

std::u16string EinenPfadAbziehenMitDelimeter(SheetWindow& window, const std::u16string& path) {
  try {
    return ExtractFilePath(ExcludeTrailingPathDelimiter(ExtractFilePath(path)));
  } catch (...) {
    window.ShowExceptionMessageBox(u"EinenPfadAbziehenMitDelimeter");
    return {};
  }
}

}  // namespace pendra
