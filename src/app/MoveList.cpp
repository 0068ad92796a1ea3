#include "app/MoveList.h"

#include "app/Arrival.h"
#include "lang/Texts.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "sheet/ListLocation.h"
#include "sheet/LoadSave.h"
#include "sheet/TemporaryFiles.h"

namespace pendra {

ListMove MoveListTo(const std::u16string& folder, const std::u16string& perUserFolder, const Rect& window, Sheet& sheet,
                    DataFileState& state, EditSession& edits, GridModel& grid) {
  ListMove move;
  const std::u16string target = IncludeTrailingPathDelimiter(folder);
  if (target == state.DataFolder) return move;
  const std::u16string found = target + kDataFileName;
  if (FileExists(found)) {
    const std::optional<Sheet::Content> there = ReadWholeSheet(found, state.ExeFolder);
    if (!there) {
      move.reports.Error(ListThereUnreadableText(found), kMoveListTitle);
      return move;
    }
    // Two lists that grew apart have no version in common: every task of both stays.
    MergeInVersion(Sheet::Content{}, *there, sheet, state, edits, grid);
  }
  DataFileState moved;
  moved.ExeFolder = state.ExeFolder;
  moved.DataFolder = target;
  moved.DataFileSeen = FileStampOf(found);
  moved.Known = state.Known;
  SaveResult saved = XMLSpeichern(sheet, moved, window);
  move.reports = std::move(saved.reports);
  if (!saved.saved) return move;
  const std::u16string left = state.DataFolder + kDataFileName;
  DropTemporaryFile(state);
  state = std::move(moved);
  DeleteQuietly(left);
  try {
    RememberListFolder(perUserFolder, target);
  } catch (const std::exception& failure) {
    move.reports.Error(NotRememberedListFolderText(target, FailureTypeName(failure)), kMoveListTitle);
  }
  move.moved = true;
  return move;
}

}  // namespace pendra
