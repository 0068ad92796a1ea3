#include <windows.h>

#include <shlobj.h>
#include <winnetwk.h>

#include <vector>

#include "platform/Folders.h"
#include "platform/SystemFunction_win.h"
#include "platform/WideText_win.h"

namespace pendra {

std::u16string ApplicationDataFolder() {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  return FromWide(path);
}

std::u16string ExpandFileName(const std::u16string& path) {
  DWORD size = GetFullPathNameW(Wide(path), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::vector<wchar_t> full(size + 1);
  if (GetFullPathNameW(Wide(path), size + 1, full.data(), nullptr) == 0) return path;
  return FromWide(full.data());
}

namespace {

using WNetGetUniversalNameFunction = DWORD(APIENTRY*)(LPCWSTR, DWORD, LPVOID, LPDWORD);

// The network provider is loaded only for a path on a network drive: local paths have no
// other form, and start-up needs no further DLL for them.
WNetGetUniversalNameFunction NetworkUniversalName() {
  static const WNetGetUniversalNameFunction get =
      LoadSystemFunction<WNetGetUniversalNameFunction>(L"mpr.dll", "WNetGetUniversalNameW");
  return get;
}

bool IsOnNetworkDrive(const std::u16string& path) {
  if (path.size() < 2 || path[1] != u':') return false;
  const wchar_t root[] = {static_cast<wchar_t>(path[0]), L':', L'\\', L'\0'};
  return GetDriveTypeW(root) == DRIVE_REMOTE;
}

}  // namespace

std::u16string UniversalName(const std::u16string& path) {
  if (!IsOnNetworkDrive(path)) return path;
  WNetGetUniversalNameFunction get = NetworkUniversalName();
  if (!get) return path;
  std::vector<BYTE> buffer(2048);
  DWORD size = static_cast<DWORD>(buffer.size());
  DWORD result = get(Wide(path), UNIVERSAL_NAME_INFO_LEVEL, buffer.data(), &size);
  if (result == ERROR_MORE_DATA) {
    buffer.resize(size);
    result = get(Wide(path), UNIVERSAL_NAME_INFO_LEVEL, buffer.data(), &size);
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
