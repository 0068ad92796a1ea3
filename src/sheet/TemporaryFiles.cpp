#include "sheet/TemporaryFiles.h"

#include <vector>

#include "lang/Texts.h"
#include "platform/LocalTime.h"
#include "sheet/DataFile.h"
#include "sheet/KeepAside.h"
#include "sheet/LoadSave.h"
#include "xml/XmlDocument.h"

namespace pendra {

bool LeftoverIsSuperseded(const FileStamp& leftover, const FileStamp& dataFile) {
  if (leftover.size == 0) return true;
  // The same time is no proof of an order (file systems with coarse times): such a file is kept.
  return dataFile.exists && leftover.written < dataFile.written;
}

bool ReadsWhole(const std::u16string& path) {
  if (FileSize(path) > kMaxDataFileBytes) return false;
  try {
    XmlDocument doc;
    doc.LoadFromFile(path);
    if (doc.ReplacedCharacters()) return false;
    XmlElem& root = *doc.Root();
    ReadWindowPosition(root);
    const StoredColumnInfo info = ReadColumnInfo(root);
    std::vector<StoredColumn> columns;
    ReadColumnHeader(root, columns);
    std::vector<StoredTask> tasks;
    ReadToDoContent(root, tasks);
    return info.present && info.RowCount && info.ColumnCount;
  } catch (...) {
    return false;
  }
}

namespace {

// Renames what may hold edits the list lacks and returns the new paths; deletes the rest. A file
// that cannot be renamed stays as it is: the next start tries again.
std::vector<std::u16string> TidyFolder(const std::u16string& folder) {
  const FileStamp dataFile = FileStampOf(folder + kDataFileName);
  std::vector<std::u16string> kept;
  for (const FolderEntry& entry : ListFolder(folder)) {
    if (entry.isFolder || !entry.name.starts_with(kTemporaryFilePrefix)) continue;
    const std::u16string path = folder + entry.name;
    if (LeftoverIsSuperseded(FileStampOf(path), dataFile)) {
      DeleteQuietly(path);
      continue;
    }
    try {
      kept.push_back(
          MoveFileAside(folder, entry.name, ReadsWhole(path) ? u"recovered" : u"unreadable", CurrentLocalTime()));
    } catch (...) {
    }
  }
  return kept;
}

}  // namespace

Reports TidyLeftTemporaryFiles(const std::u16string& dataFolder) {
  std::vector<std::u16string> kept;
  try {
    kept = TidyFolder(dataFolder);
  } catch (...) {
    // A tidy that cannot run leaves everything for the next start; loading goes on.
  }
  Reports reports;
  if (!kept.empty()) reports.Info(KeptLeftoversText(kept), kKeptUnreadableTitle);
  return reports;
}

void DropTemporaryFile(DataFileState& state) {
  // A replacement across volumes copies; should the source then stay, it goes here.
  if (!state.TemporaryFile.empty()) DeleteQuietly(state.TemporaryFile);
  state.TemporaryFile.clear();
}

void DeleteQuietly(const std::u16string& path) {
  try {
    DeleteFileOrFail(path);
  } catch (...) {
  }
}

}  // namespace pendra
