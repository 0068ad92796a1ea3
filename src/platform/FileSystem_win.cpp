#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Unique_win.h"
#include "platform/WideText_win.h"

namespace pendra {

namespace {

UniqueHandle OpenFile(const std::u16string& path, DWORD access, DWORD disposition) {
  HANDLE file = CreateFileW(Wide(path), access, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  return UniqueHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

}  // namespace

std::string ReadWholeFile(const std::u16string& path) {
  UniqueHandle file = OpenFile(path, GENERIC_READ, OPEN_EXISTING);
  if (!file) throw EFOpenError(u"Cannot open file \"" + path + u"\".");
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) throw EInOutError(u"Read error");
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
    DWORD read = 0;
    if (!ReadFile(file.Get(), bytes.data() + done, chunk, &read, nullptr)) throw EInOutError(u"Read error");
    if (read == 0) break;
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

bool FileInUse(const std::u16string& path) {
  if (OpenFile(path, GENERIC_READ, OPEN_EXISTING)) return false;
  const DWORD error = GetLastError();
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

void WriteWholeFile(const std::u16string& path, std::string_view bytes) {
  UniqueHandle file = OpenFile(path, GENERIC_WRITE, CREATE_ALWAYS);
  if (!file) throw EFCreateError(u"Cannot create file \"" + path + u"\".");
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data() + done, chunk, &written, nullptr)) throw EInOutError(u"Write error");
    done += written;
  }
}

}  // namespace pendra

namespace pendra {

namespace {

constexpr DWORD kNoAttributes = INVALID_FILE_ATTRIBUTES;

std::u16string SystemMessage(DWORD code) {
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::u16string message = text ? FromWide(text) : u"System error";
  LocalFree(text);
  while (!message.empty() && (message.back() == u'\n' || message.back() == u'\r' || message.back() == u' ')) {
    message.pop_back();
  }
  return message;
}

bool IsLink(const std::u16string& path) {
  DWORD attributes = GetFileAttributesW(Wide(path));
  return attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// The file or folder a link finally points to, opened for reading its attributes;
// empty when it cannot be opened.
UniqueHandle OpenLinkTarget(const std::u16string& path) {
  HANDLE target = CreateFileW(Wide(path), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  return UniqueHandle(target == INVALID_HANDLE_VALUE ? nullptr : target);
}

// Attributes of what a path names, following links to their targets.
DWORD TargetAttributes(const std::u16string& path) {
  if (!IsLink(path)) return GetFileAttributesW(Wide(path));
  UniqueHandle target = OpenLinkTarget(path);
  BY_HANDLE_FILE_INFORMATION info{};
  return target && GetFileInformationByHandle(target.Get(), &info) ? info.dwFileAttributes : kNoAttributes;
}

// The path of the file a link finally points to; the path itself for plain files.
std::u16string FinalPath(const std::u16string& path) {
  if (!IsLink(path)) return path;
  UniqueHandle target = OpenLinkTarget(path);
  if (!target) return path;
  std::vector<wchar_t> final(32768);
  DWORD length = GetFinalPathNameByHandleW(target.Get(), final.data(), 32767, FILE_NAME_NORMALIZED);
  if (length == 0 || length >= 32767) return path;
  return FromWide(final.data());
}

void FlushFile(const std::u16string& path) {
  UniqueHandle file = OpenFile(path, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
  if (file) FlushFileBuffers(file.Get());
}

// Across volumes a rename cannot replace: copy beside the target first, then rename there.
void CopyStagedThenRename(const std::u16string& source, const std::u16string& target) {
  std::u16string staged = target + u".pendra-new";
  if (!CopyFileW(Wide(source), Wide(staged), FALSE)) throw EInOutError(SystemMessage(GetLastError()));
  FlushFile(staged);
  if (!MoveFileExW(Wide(staged), Wide(target), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DWORD error = GetLastError();
    DeleteFileW(Wide(staged));
    throw EInOutError(SystemMessage(error));
  }
  DeleteFileW(Wide(source));
}

}  // namespace

void WriteWholeFileDurably(const std::u16string& path, std::string_view bytes) {
  WriteWholeFile(path, bytes);
  FlushFile(path);
}

std::uint64_t FileSize(const std::u16string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(Wide(path), GetFileExInfoStandard, &data)) return 0;
  return (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

FileStamp FileStampOf(const std::u16string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(Wide(path), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return {};
  }
  const std::uint64_t size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  const std::int64_t written = static_cast<std::int64_t>((std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) |
                                                         data.ftLastWriteTime.dwLowDateTime);
  return {true, size, written};
}

bool FileExists(const std::u16string& path) {
  DWORD attributes = TargetAttributes(path);
  return attributes != kNoAttributes && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::u16string& path) {
  DWORD attributes = TargetAttributes(path);
  return attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ForceDirectories(const std::u16string& path) {
  std::u16string folder = path;
  while (!folder.empty() && (folder.back() == u'\\' || folder.back() == u'/')) folder.pop_back();
  if (folder.empty() || DirectoryExists(folder)) return true;
  size_t parentEnd = folder.find_last_of(u"\\/");
  if (parentEnd != std::u16string::npos && parentEnd > 0 && folder[parentEnd - 1] != u':' &&
      !ForceDirectories(folder.substr(0, parentEnd))) {
    return false;
  }
  return CreateDirectoryW(Wide(folder), nullptr) || DirectoryExists(folder);
}

bool RenameFile(const std::u16string& from, const std::u16string& to) {
  return MoveFileW(Wide(from), Wide(to)) != FALSE;
}

void ClearReadOnly(const std::u16string& path) {
  std::u16string target = FinalPath(path);
  DWORD attributes = GetFileAttributesW(Wide(target));
  if (attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_READONLY)) {
    SetFileAttributesW(Wide(target), attributes & ~FILE_ATTRIBUTE_READONLY);
  }
}

bool IsReadOnly(const std::u16string& path) {
  DWORD attributes = TargetAttributes(path);
  return attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_READONLY);
}

void SetReadOnly(const std::u16string& path) {
  DWORD attributes = GetFileAttributesW(Wide(path));
  if (attributes != kNoAttributes) SetFileAttributesW(Wide(path), attributes | FILE_ATTRIBUTE_READONLY);
}

void ReplaceFileAtomically(const std::u16string& source, const std::u16string& target) {
  std::u16string finalTarget = FinalPath(target);
  if (DirectoryExists(finalTarget)) throw EInOutError(SystemMessage(ERROR_ACCESS_DENIED));
  if (MoveFileExW(Wide(source), Wide(finalTarget), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return;
  DWORD error = GetLastError();
  if (error == ERROR_NOT_SAME_DEVICE) return CopyStagedThenRename(source, finalTarget);
  throw EInOutError(SystemMessage(error));
}

void DeleteFileOrFail(const std::u16string& path) {
  if (!DeleteFileW(Wide(path))) throw EInOutError(SystemMessage(GetLastError()));
}

std::vector<FolderEntry> ListFolder(const std::u16string& folder) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAW found{};
  HANDLE first = FindFirstFileExW(Wide(folder + u"*.*"), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
  if (first == INVALID_HANDLE_VALUE) return entries;
  const UniqueFind search(first);
  do {
    const std::wstring_view name(found.cFileName);
    entries.push_back(
        {std::u16string(name.begin(), name.end()), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(search.Get(), &found));
  return entries;
}

}  // namespace pendra
