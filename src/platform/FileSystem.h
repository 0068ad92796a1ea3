#pragma once
// The file system as the core sees it. Paths are UTF-16 (Windows paths on Windows,
// POSIX paths in the native build). The Win32 and native builds each implement it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Failure.h"

namespace pendra {

class EFOpenError : public Failure {
 public:
  using Failure::Failure;
  const char16_t* TypeName() const override { return u"EFOpenError"; }
};

class EFCreateError : public Failure {
 public:
  using Failure::Failure;
  const char16_t* TypeName() const override { return u"EFCreateError"; }
};

class EInOutError : public Failure {
 public:
  using Failure::Failure;
  const char16_t* TypeName() const override { return u"EInOutError"; }
};

// Reads the whole file; EFOpenError when it cannot be opened, EInOutError when reading fails.
std::string ReadWholeFile(const std::u16string& path);
// Creates (or truncates) the file and writes the bytes; EFCreateError when it cannot be
// created, EInOutError when writing fails.
void WriteWholeFile(const std::u16string& path, std::string_view bytes);

// Creates or truncates the file, writes the bytes and flushes them to the disk before
// returning, so that a following replace cannot expose a half-written file.
void WriteWholeFileDurably(const std::u16string& path, std::string_view bytes);

// True while another program holds the file open so that it cannot be read (a backup, a virus
// scanner, a sync client at logon): such a file is not damaged, and can be read once it is let go.
bool FileInUse(const std::u16string& path);

// The size in bytes of a file (a link's target); 0 when there is none.
std::uint64_t FileSize(const std::u16string& path);

// What tells one version of a file from another: its size and its last write time (in the
// file system's own units). Equal for a missing file and a missing file.
struct FileStamp {
  bool exists = false;
  std::uint64_t size = 0;
  std::int64_t written = 0;
  bool operator==(const FileStamp&) const = default;
};
FileStamp FileStampOf(const std::u16string& path);

// Existence; a link counts by its target.
bool FileExists(const std::u16string& path);
bool DirectoryExists(const std::u16string& path);
// Creates the folder with all missing parent folders; false when that fails.
bool ForceDirectories(const std::u16string& path);
// Renames a file; false when a file of the new name exists or the file system refuses.
bool RenameFile(const std::u16string& from, const std::u16string& to);
// Clears the read-only attribute and keeps the others; a missing file is no failure.
void ClearReadOnly(const std::u16string& path);
bool IsReadOnly(const std::u16string& path);
void SetReadOnly(const std::u16string& path);
// Puts the source in the target's place in one step: at every instant the target holds
// either its old or its new contents. A link as target keeps being a link to the new data.
// EInOutError when the replacement fails; the source is then left in place.
void ReplaceFileAtomically(const std::u16string& source, const std::u16string& target);
// EInOutError when the file is missing, access is denied or it is in use.
void DeleteFileOrFail(const std::u16string& path);

struct FolderEntry {
  std::u16string name;
  bool isFolder = false;
};
// Every entry of the folder (its path ends in a delimiter), hidden and system entries
// included, in the order the file system delivers them; none when it cannot be read.
std::vector<FolderEntry> ListFolder(const std::u16string& folder);

}  // namespace pendra
