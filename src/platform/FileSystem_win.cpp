#include <windows.h>

#include <algorithm>

#include "platform/FileSystem.h"
#include "platform/Unique_win.h"

namespace pendra {

namespace {

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

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
