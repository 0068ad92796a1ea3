#include "app/Arrival.h"

#include <utility>

#include "platform/FileSystem.h"
#include "platform/LocalTime.h"
#include "sheet/KeepAside.h"
#include "sheet/LoadSave.h"
#include "sheet/SyncCopies.h"

namespace pendra {

namespace {

int Mapped(const std::vector<int>& to, int index) {
  return index >= 0 && index < static_cast<int>(to.size()) ? to[static_cast<size_t>(index)] : -1;
}

struct ConflictCopy {
  std::u16string name;
  Sheet::Content content;
};

std::vector<ConflictCopy> ReadConflictCopies(const DataFileState& state) {
  std::vector<ConflictCopy> copies;
  for (const std::u16string& name : SyncConflictCopies(state.DataFolder)) {
    std::optional<Sheet::Content> copy = ReadWholeSheet(state.DataFolder + name, state.ExeFolder);
    if (copy) copies.push_back({name, std::move(*copy)});
  }
  return copies;
}

}  // namespace

SheetMerge MergeInVersion(const Sheet::Content& base, const Sheet::Content& other, Sheet& sheet, DataFileState& state,
                          EditSession& edits, GridModel& grid) {
  const bool editing = grid.IsEditing();
  const GridCell current = grid.CurrentCell();
  const Sheet::Content mine = sheet.Snapshot();
  SheetMerge merge = MergeSheets(base, mine, other);
  const GridCell moved{Mapped(merge.mineColTo, current.col), Mapped(merge.mineRowTo, current.row)};
  // What the editor shows is the cell's text: the other version's change of it does not come in.
  if (editing && moved.col >= 0 && moved.row >= 0) {
    const std::vector<std::u16string>& merged = merge.content.rows[static_cast<size_t>(moved.row)];
    const std::u16string& typed = sheet.Cell(current.col, current.row);
    const size_t col = static_cast<size_t>(moved.col);
    if ((col < merged.size() ? merged[col] : std::u16string()) != typed) {
      std::vector<std::u16string>& cells = merge.content.rows.Edit(static_cast<size_t>(moved.row));
      if (cells.size() <= col) cells.resize(col + 1);
      cells[col] = typed;
      ++merge.otherTextsLost;
    }
  }
  state.Known.Add(other);
  // A version that brings nothing new changes nothing: no step to take back, nothing to save.
  if (SameSheet(merge.content, mine)) return merge;
  edits.Arrived([&] { sheet.Restore(merge.content); });
  grid.Follow(moved, editing);
  return merge;
}

Arrivals TakeInArrivals(Sheet& sheet, DataFileState& state, EditSession& edits, GridModel& grid) {
  Arrivals arrivals;
  const ArrivedVersion arrived = ReadArrivedVersion(state);
  arrivals.waiting = arrived.kind == ArrivedVersion::Kind::NotYetWhole;
  // A sync client keeps one version as a copy when both PCs changed the list: the copy and the data
  // file's version were written at the same time, and neither descends from the other.
  const std::vector<ConflictCopy> copies = ReadConflictCopies(state);
  if (arrived.kind == ArrivedVersion::Kind::Whole) {
    state.DataFileSeen = arrived.stamp;
    arrivals.merged = true;
    std::vector<const Sheet::Content*> concurrent;
    for (const ConflictCopy& copy : copies) concurrent.push_back(&copy.content);
    if (state.Exchanges.Arrived(arrived.content, sheet.Contents())) {
      // Each of two PCs took the other's version for an old one, kept its own and sent it back,
      // twice: both settle on the same one of the two, and the other is kept in a file.
      if (!KeepsOwnVersion(sheet.Contents(), arrived.content)) {
        arrivals.keptOwnVersion = KeepSheetAside(sheet, state);
        MergeInVersion(sheet.Snapshot(), arrived.content, sheet, state, edits, grid);
      }
    } else {
      const SheetMerge merge =
          MergeInVersion(state.Known.BaseFor(arrived.content, concurrent), arrived.content, sheet, state, edits, grid);
      if (merge.otherTextsLost > 0) {
        arrivals.keptConflict = KeepFileAside(state.DataFolder, kDataFileName, u"conflict", CurrentLocalTime());
      }
    }
  }
  if (!copies.empty()) {
    const std::optional<Sheet::Content> dataFile =
        arrived.kind == ArrivedVersion::Kind::Whole ? std::optional<Sheet::Content>(arrived.content)
                                                    : ReadWholeSheet(state.DataFolder + kDataFileName, state.ExeFolder);
    std::vector<const Sheet::Content*> concurrent;
    if (dataFile) concurrent.push_back(&*dataFile);
    for (const ConflictCopy& copy : copies) {
      const Sheet::Content before = sheet.Snapshot();
      MergeInVersion(state.Known.BaseFor(copy.content, concurrent), copy.content, sheet, state, edits, grid);
      arrivals.merged = true;
      arrivals.save = arrivals.save || !SameSheet(sheet.Snapshot(), before);
      arrivals.movedCopies.push_back(PutMergedCopyAway(state.DataFolder, copy.name));
    }
  }
  if (arrived.kind == ArrivedVersion::Kind::Whole) {
    arrivals.save = !SameSheet(sheet.Snapshot(), arrived.content);
    arrivals.fileHoldsSheet = !arrivals.save;
  }
  return arrivals;
}

SetAside SetAsideUnreadableVersion(DataFileState& state) {
  SetAside setAside;
  const std::u16string path = state.DataFolder + kDataFileName;
  if (FileExists(path)) {
    try {
      setAside.kept = KeepFileAside(state.DataFolder, kDataFileName, u"unreadable", CurrentLocalTime());
    } catch (const std::exception&) {
      return setAside;
    }
  }
  state.DataFileSeen = FileStampOf(path);
  setAside.saveOver = true;
  return setAside;
}

}  // namespace pendra
