#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/FileSystem.h"
#include "platform/Utf.h"

namespace pendra {

std::string ReadWholeFile(const std::u16string& path) {
  std::ifstream in(ToUtf8(path), std::ios::binary);
  if (!in) throw EFOpenError(u"Cannot open file \"" + path + u"\".");
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw EInOutError(u"Read error");
  return bytes;
}

// A POSIX file system has no locks that keep a reader out.
bool FileInUse(const std::u16string&) { return false; }

void WriteWholeFile(const std::u16string& path, std::string_view bytes) {
  std::ofstream out(ToUtf8(path), std::ios::binary | std::ios::trunc);
  if (!out) throw EFCreateError(u"Cannot create file \"" + path + u"\".");
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  if (!out) throw EInOutError(u"Write error");
}

}  // namespace pendra

namespace pendra {

namespace {

namespace fs = std::filesystem;

fs::path Native(const std::u16string& path) { return fs::path(ToUtf8(path)); }

const fs::perms kWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

void CopyStagedThenRename(const fs::path& source, const fs::path& target) {
  fs::path staged = target;
  staged += ".pendra-new";
  std::error_code error;
  fs::copy_file(source, staged, fs::copy_options::overwrite_existing, error);
  if (!error) {
    int fd = ::open(staged.c_str(), O_RDONLY);
    if (fd >= 0) {
      ::fsync(fd);
      ::close(fd);
    }
    fs::rename(staged, target, error);
  }
  if (error) {
    fs::remove(staged, error);
    throw EInOutError(u"Cannot replace the file.");
  }
  fs::remove(source, error);
}

}  // namespace

void WriteWholeFileDurably(const std::u16string& path, std::string_view bytes) {
  int fd = ::open(Native(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) throw EFCreateError(u"Cannot create file \"" + path + u"\".");
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written <= 0) {
      ::close(fd);
      throw EInOutError(u"Write error");
    }
    done += static_cast<size_t>(written);
  }
  bool flushed = ::fsync(fd) == 0;
  ::close(fd);
  if (!flushed) throw EInOutError(u"Write error");
}

std::uint64_t FileSize(const std::u16string& path) {
  std::error_code error;
  const std::uintmax_t size = fs::file_size(Native(path), error);
  return error ? 0 : size;
}

FileStamp FileStampOf(const std::u16string& path) {
  std::error_code error;
  const fs::path native = Native(path);
  if (!fs::is_regular_file(native, error)) return {};
  const std::uintmax_t size = fs::file_size(native, error);
  const auto written = fs::last_write_time(native, error).time_since_epoch().count();
  return {true, static_cast<std::uint64_t>(size), static_cast<std::int64_t>(written)};
}

bool FileExists(const std::u16string& path) {
  std::error_code error;
  return fs::is_regular_file(Native(path), error);
}

bool DirectoryExists(const std::u16string& path) {
  std::error_code error;
  return fs::is_directory(Native(path), error);
}

bool ForceDirectories(const std::u16string& path) {
  std::error_code error;
  fs::create_directories(Native(path), error);
  return DirectoryExists(path);
}

bool RenameFile(const std::u16string& from, const std::u16string& to) {
  std::error_code error;
  if (fs::exists(fs::symlink_status(Native(to), error))) return false;
  fs::rename(Native(from), Native(to), error);
  return !error;
}

void ClearReadOnly(const std::u16string& path) {
  std::error_code error;
  fs::permissions(Native(path), fs::perms::owner_write, fs::perm_options::add, error);
}

bool IsReadOnly(const std::u16string& path) {
  std::error_code error;
  return (fs::status(Native(path), error).permissions() & fs::perms::owner_write) == fs::perms::none;
}

void SetReadOnly(const std::u16string& path) {
  std::error_code error;
  fs::permissions(Native(path), kWrite, fs::perm_options::remove, error);
}

void ReplaceFileAtomically(const std::u16string& source, const std::u16string& target) {
  fs::path finalTarget = Native(target);
  std::error_code error;
  if (fs::is_symlink(fs::symlink_status(finalTarget, error))) {
    finalTarget = fs::weakly_canonical(finalTarget, error);
    if (error) throw EInOutError(u"Cannot resolve the link \"" + target + u"\".");
  }
  if (fs::is_directory(finalTarget, error)) throw EInOutError(u"Cannot replace a folder.");
  fs::rename(Native(source), finalTarget, error);
  if (error == std::errc::cross_device_link) return CopyStagedThenRename(Native(source), finalTarget);
  if (error) throw EInOutError(u"Cannot replace the file \"" + target + u"\".");
}

void DeleteFileOrFail(const std::u16string& path) {
  std::error_code error;
  if (!fs::is_regular_file(fs::symlink_status(Native(path), error)) || !fs::remove(Native(path), error) || error) {
    throw EInOutError(u"Cannot delete the file \"" + path + u"\".");
  }
}

std::vector<FolderEntry> ListFolder(const std::u16string& folder) {
  std::vector<FolderEntry> entries;
  std::error_code error;
  for (fs::directory_iterator it(Native(folder), error), end; !error && it != end; it.increment(error)) {
    entries.push_back({FromUtf8(it->path().filename().string()), it->is_directory(error)});
  }
  return entries;
}

}  // namespace pendra
