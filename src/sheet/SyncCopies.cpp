#include "sheet/SyncCopies.h"

#include <algorithm>

#include "platform/DecimalText.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace pendra {

namespace {

char16_t Folded(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

bool StartsWithFolded(std::u16string_view text, std::u16string_view start) {
  return text.size() >= start.size() &&
         std::equal(start.begin(), start.end(), text.begin(), [](char16_t a, char16_t b) { return a == Folded(b); });
}

bool EndsWithFolded(std::u16string_view text, std::u16string_view end) {
  return text.size() >= end.size() && StartsWithFolded(text.substr(text.size() - end.size()), end);
}

bool ContainsFolded(std::u16string_view text, std::u16string_view part) {
  for (size_t at = 0; at + part.size() <= text.size(); ++at) {
    if (StartsWithFolded(text.substr(at), part)) return true;
  }
  return false;
}

// OneDrive adds the computer's name: letters, digits, "-" and "_".
bool IsComputerName(std::u16string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-' || c == u'_';
  });
}

}  // namespace

bool IsSyncConflictCopy(std::u16string_view name) {
  if (!EndsWithFolded(name, u".xml")) return false;
  const std::u16string_view stem = name.substr(0, name.size() - 4);
  if (StartsWithFolded(stem, u"pendra-")) return IsComputerName(stem.substr(7));
  if (StartsWithFolded(stem, u"pendra ("))
    return EndsWithFolded(stem, u")") && ContainsFolded(stem, u"conflicted copy");
  return StartsWithFolded(stem, u"pendra.sync-conflict-");
}

std::vector<std::u16string> SyncConflictCopies(const std::u16string& folder) {
  std::vector<std::u16string> copies;
  for (const FolderEntry& entry : ListFolder(folder)) {
    if (!entry.isFolder && IsSyncConflictCopy(entry.name)) copies.push_back(entry.name);
  }
  return copies;
}

std::u16string PutMergedCopyAway(const std::u16string& folder, const std::u16string& name) {
  const std::u16string away = folder + kMergedCopiesFolder + kPathDelimiter;
  if (!DirectoryExists(away) && !ForceDirectories(away)) throw EInOutError(u"Cannot create \"" + away + u"\".");
  const std::u16string stem = name.substr(0, name.size() - 4);
  const std::u16string extension = name.substr(name.size() - 4);
  std::u16string target = away + name;
  for (int attempt = 2; FileExists(target); ++attempt) {
    target = away + stem + u" (" + DecimalText(attempt) + u")" + extension;
  }
  if (!RenameFile(folder + name, target)) throw EInOutError(u"Cannot move \"" + folder + name + u"\".");
  return target;
}

}  // namespace pendra
