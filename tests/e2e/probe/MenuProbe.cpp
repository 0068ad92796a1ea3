// MenuProbe.dll: a hook the driver sets on the thread of Pendra's main window, so that a popup
// menu can be read as the program holds it (menu handles are of no use in another process).
// When a window of that thread prepares a popup menu, the hook writes the menu's items,
// submenus included, to MenuProbe.txt beside this DLL: one line per item, a tab per level of
// depth, "-" for a separator. Only the first menu after the file was removed is written.
// It also delivers a change of the display's scaling as the system would: the driver sends
// the registered message "PendraProbeDpiChange" (wParam the new dpi, lParam the suggested
// rectangle's left, top, width and height in 16 bits each), and the hook sends WM_DPICHANGED
// with a pointer to that rectangle, which only works inside the process.
// And it switches high contrast on or off for the program, which Wine cannot do for the system:
// on the registered message "PendraProbeHighContrast" (wParam 1 on, 0 off) it answers the
// program's SPI_GETHIGHCONTRAST (its import of SystemParametersInfoW) as the system would, sets a
// dark theme's system colours (or the earlier ones again) and sends WM_SETTINGCHANGE.
#include <windows.h>

#include <array>
#include <cstring>
#include <string>

namespace {

void AppendItems(HMENU menu, int depth, std::wstring& text) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t caption[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = caption;
    info.cch = 256;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    text.append(static_cast<size_t>(depth), L'\t');
    text += (info.fType & MFT_SEPARATOR) ? L"-" : caption;
    text += L"\n";
    if (info.hSubMenu) AppendItems(info.hSubMenu, depth + 1, text);
  }
}

std::wstring PathBeside(const wchar_t* name) {
  HMODULE self = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&PathBeside), &self);
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(self, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

// Written whole under another name first, so that the driver never reads half a file.
void WriteOnce(const std::wstring& text) {
  const std::wstring done = PathBeside(L"MenuProbe.txt");
  if (GetFileAttributesW(done.c_str()) != INVALID_FILE_ATTRIBUTES) return;
  const std::wstring writing = PathBeside(L"MenuProbe.tmp");
  HANDLE file = CreateFileW(writing.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written, nullptr);
  CloseHandle(file);
  MoveFileExW(writing.c_str(), done.c_str(), MOVEFILE_REPLACE_EXISTING);
}

void DeliverDpiChange(HWND window, WPARAM dpi, LPARAM packed) {
  const auto field = [packed](int index) { return static_cast<int>(static_cast<short>(packed >> (16 * index))); };
  RECT suggested{field(3), field(2), field(3) + field(1), field(2) + field(0)};
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

bool highContrast = false;

BOOL WINAPI SystemParametersInfoAsIfHighContrast(UINT action, UINT param, PVOID data, UINT winIni) {
  const BOOL done = SystemParametersInfoW(action, param, data, winIni);
  if (action == SPI_GETHIGHCONTRAST && done && data && highContrast) {
    static_cast<HIGHCONTRASTW*>(data)->dwFlags |= HCF_HIGHCONTRASTON;
  }
  return done;
}

// Points the program's import of user32's SystemParametersInfoW at the function above.
void ReplaceSystemParametersInfo() {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* dll = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); dll->Name; ++dll) {
    if (_stricmp(reinterpret_cast<const char*>(base + dll->Name), "user32.dll") != 0) continue;
    auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
    auto* addresses = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++addresses) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), "SystemParametersInfoW") != 0) continue;
      DWORD protection = 0;
      VirtualProtect(&addresses->u1.Function, sizeof(addresses->u1.Function), PAGE_READWRITE, &protection);
      addresses->u1.Function = reinterpret_cast<ULONG_PTR>(&SystemParametersInfoAsIfHighContrast);
      VirtualProtect(&addresses->u1.Function, sizeof(addresses->u1.Function), protection, &protection);
    }
  }
}

constexpr std::array<int, 6> kThemeElements = {COLOR_WINDOW,        COLOR_WINDOWTEXT, COLOR_HIGHLIGHT,
                                               COLOR_HIGHLIGHTTEXT, COLOR_BTNFACE,    COLOR_BTNTEXT};
// A dark high-contrast theme: black window, white text, cyan highlight, dark grey buttons with
// yellow text.
constexpr std::array<COLORREF, 6> kDarkTheme = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(26, 235, 255),
                                                RGB(0, 0, 0), RGB(48, 48, 48),    RGB(255, 255, 0)};

void SwitchHighContrast(HWND window, bool on) {
  static std::array<COLORREF, 6> before{};
  static bool replaced = false;
  if (!replaced) {
    // The replacement lives in this DLL, which must stay in the process from now on.
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCWSTR>(&SwitchHighContrast), &self);
    ReplaceSystemParametersInfo();
    for (size_t i = 0; i < kThemeElements.size(); ++i) before[i] = GetSysColor(kThemeElements[i]);
    replaced = true;
  }
  highContrast = on;
  SetSysColors(static_cast<int>(kThemeElements.size()), kThemeElements.data(), on ? kDarkTheme.data() : before.data());
  SendMessageW(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, reinterpret_cast<LPARAM>(L"Accessibility"));
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK MenuProbeHook(int code, WPARAM wParam, LPARAM lParam) {
  static const UINT dpiChange = RegisterWindowMessageW(L"PendraProbeDpiChange");
  static const UINT contrastChange = RegisterWindowMessageW(L"PendraProbeHighContrast");
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == dpiChange)
    DeliverDpiChange(message->hwnd, message->wParam, message->lParam);
  if (code == HC_ACTION && message->message == contrastChange) SwitchHighContrast(message->hwnd, message->wParam != 0);
  if (code == HC_ACTION && message->message == WM_INITMENUPOPUP && !HIWORD(message->lParam)) {
    std::wstring text;
    AppendItems(reinterpret_cast<HMENU>(message->wParam), 0, text);
    WriteOnce(text);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
