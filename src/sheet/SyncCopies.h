#pragma once
// The copies of the data file that sync clients leave beside it when both PCs changed it before
// they could pass the change on: "Pendra-PC1.xml", "Pendra (PC1's conflicted copy
// 2026-12-10).xml", "Pendra.sync-conflict-20261210-101010-ABCDEFG.xml", "Pendra (conflicted copy
// 2026-12-10 101010).xml". Each is merged into the list and then moved, never deleted, into a
// folder beside it.
#include <string>
#include <string_view>
#include <vector>

namespace pendra {

inline constexpr char16_t kMergedCopiesFolder[] = u"Pendra~merged";

// Whether a file of the data folder is such a copy (the letter case of A to Z aside).
bool IsSyncConflictCopy(std::u16string_view name);
// The names of the copies in the folder (ending in a delimiter), in the order it lists them.
std::vector<std::u16string> SyncConflictCopies(const std::u16string& folder);
// Moves a merged copy into the folder for them, under its name or, when that is taken, its name
// with " (2)", " (3)", ...; returns its new path. EInOutError when the file system refuses.
std::u16string PutMergedCopyAway(const std::u16string& folder, const std::u16string& name);

}  // namespace pendra
