#include <windows.h>

#include <shlobj.h>
#include <winnetwk.h>

#include <vector>

#include "platform/Folders.h"
#include "platform/WideText_win.h"

namespace pendra {

std::u16string ApplicationDataFolder() {
  PIDLIST_ABSOLUTE list = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_APPDATA, &list))) return {};
  wchar_t path[MAX_PATH] = {};
  BOOL found = SHGetPathFromIDListW(list, path);
  CoTaskMemFree(list);
  return found ? FromWide(path) : std::u16string();
}

std::u16string ExpandFileName(const std::u16string& path) {
  DWORD size = GetFullPathNameW(Wide(path), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::vector<wchar_t> full(size + 1);
  if (GetFullPathNameW(Wide(path), size + 1, full.data(), nullptr) == 0) return path;
  return FromWide(full.data());
}

std::u16string UniversalName(const std::u16string& path) {
  std::vector<BYTE> buffer(2048);
  DWORD size = static_cast<DWORD>(buffer.size());
  DWORD result = WNetGetUniversalNameW(Wide(path), UNIVERSAL_NAME_INFO_LEVEL, buffer.data(), &size);
  if (result == ERROR_MORE_DATA) {
    buffer.resize(size);
    result = WNetGetUniversalNameW(Wide(path), UNIVERSAL_NAME_INFO_LEVEL, buffer.data(), &size);
  }
  if (result != NO_ERROR) return path;
  auto* info = reinterpret_cast<UNIVERSAL_NAME_INFOW*>(buffer.data());
  return info->lpUniversalName ? FromWide(info->lpUniversalName) : path;
}

std::u16string CurrentDirectory() {
  DWORD size = GetCurrentDirectoryW(0, nullptr);
  std::vector<wchar_t> path(size + 1);
  GetCurrentDirectoryW(size + 1, path.data());
  return FromWide(path.data());
}

bool SetCurrentDirectoryTo(const std::u16string& path) { return SetCurrentDirectoryW(Wide(path)) != FALSE; }

}  // namespace pendra
