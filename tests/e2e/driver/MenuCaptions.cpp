#include "MenuCaptions.h"

#include "Input.h"

namespace driver {

namespace {

std::wstring PathBesideDriver(const wchar_t* name) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

bool ReadWideFile(const std::wstring& path, std::wstring& text) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  text.assign(GetFileSize(file, nullptr) / sizeof(wchar_t), L'\0');
  DWORD read = 0;
  const bool whole = ReadFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &read, nullptr) &&
                     read == text.size() * sizeof(wchar_t);
  CloseHandle(file);
  return whole;
}

std::vector<std::wstring> Lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  size_t start = 0;
  for (size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

}  // namespace

bool ReadMenuItems(HWND main, POINT at, DWORD waitMs, HWND settle, std::vector<std::wstring>& items) {
  const std::wstring output = PathBesideDriver(L"MenuProbe.txt");
  DeleteFileW(output.c_str());
  HMODULE probe = LoadLibraryW(PathBesideDriver(L"MenuProbe.dll").c_str());
  if (!probe) return false;
  auto hook = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(probe, "MenuProbeHook")));
  HHOOK installed =
      hook ? SetWindowsHookExW(WH_CALLWNDPROC, hook, probe, GetWindowThreadProcessId(main, nullptr)) : nullptr;
  bool read = false;
  if (installed) {
    Click(at, MouseButton::Right, false, {}, settle);
    const DWORD start = GetTickCount();
    std::wstring text;
    while (!(read = ReadWideFile(output, text)) && GetTickCount() - start < waitMs) Sleep(20);
    if (read) items = Lines(text);
    KeyChord escape;
    ParseChord(L"Escape", escape);
    PressChord(escape, settle);
    UnhookWindowsHookEx(installed);
  }
  FreeLibrary(probe);
  return read;
}

bool SendDpiChange(HWND main, int dpi, const RECT& suggested) {
  HMODULE probe = LoadLibraryW(PathBesideDriver(L"MenuProbe.dll").c_str());
  if (!probe) return false;
  auto hook = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(probe, "MenuProbeHook")));
  HHOOK installed =
      hook ? SetWindowsHookExW(WH_CALLWNDPROC, hook, probe, GetWindowThreadProcessId(main, nullptr)) : nullptr;
  if (installed) {
    const auto field = [](LONG value, int index) { return static_cast<LPARAM>(value & 0xFFFF) << (16 * index); };
    const LPARAM packed = field(suggested.left, 3) | field(suggested.top, 2) |
                          field(suggested.right - suggested.left, 1) | field(suggested.bottom - suggested.top, 0);
    SendMessageW(main, RegisterWindowMessageW(L"PendraProbeDpiChange"), static_cast<WPARAM>(dpi), packed);
    UnhookWindowsHookEx(installed);
  }
  FreeLibrary(probe);
  return installed != nullptr;
}

bool SendHighContrast(HWND main, bool on) {
  HMODULE probe = LoadLibraryW(PathBesideDriver(L"MenuProbe.dll").c_str());
  if (!probe) return false;
  auto hook = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(probe, "MenuProbeHook")));
  HHOOK installed =
      hook ? SetWindowsHookExW(WH_CALLWNDPROC, hook, probe, GetWindowThreadProcessId(main, nullptr)) : nullptr;
  if (installed) {
    SendMessageW(main, RegisterWindowMessageW(L"PendraProbeHighContrast"), on ? 1 : 0, 0);
    UnhookWindowsHookEx(installed);
  }
  FreeLibrary(probe);
  return installed != nullptr;
}

}  // namespace driver
