#include "TopLevelWindows.h"

namespace driver {

std::wstring ClassOf(HWND window) {
  wchar_t buffer[256] = {};
  GetClassNameW(window, buffer, 256);
  return buffer;
}

std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, 1024);
    return buffer;
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 2000,
                      &copied);
  text.resize(copied);
  return text;
}

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> windows;
  for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) windows.push_back(w);
  return windows;
}

static bool Matches(HWND window, const WindowKey& key) {
  if (ClassOf(window) != key.className) return false;
  return key.title == L"*" || TextOf(window) == key.title;
}

std::vector<HWND> FindWindows(const WindowKey& key) {
  std::vector<HWND> found;
  for (HWND w : TopLevelWindows())
    if (Matches(w, key)) found.push_back(w);
  return found;
}

HWND FindFirst(const WindowKey& key) {
  auto found = FindWindows(key);
  return found.empty() ? nullptr : found.front();
}

// Position among all top-level windows and the classes of the visible ones above it.
static void DescribeZOrder(HWND window, Report& report, const std::wstring& prefix) {
  long long index = 0;
  std::wstring above;
  for (HWND w : TopLevelWindows()) {
    if (w == window) break;
    ++index;
    if (IsWindowVisible(w)) above += (above.empty() ? L"" : L"|") + ClassOf(w);
  }
  report.Add(prefix + L"zindex", index);
  report.Add(prefix + L"above", above);
}

void Describe(HWND window, Report& report, const std::wstring& prefix) {
  RECT rect{}, client{};
  GetWindowRect(window, &rect);
  GetClientRect(window, &client);
  LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  report.Add(prefix + L"hwnd", Hex(reinterpret_cast<ULONG_PTR>(window)));
  report.Add(prefix + L"class", ClassOf(window));
  report.Add(prefix + L"title", TextOf(window));
  report.Add(prefix + L"left", rect.left);
  report.Add(prefix + L"top", rect.top);
  report.Add(prefix + L"width", rect.right - rect.left);
  report.Add(prefix + L"height", rect.bottom - rect.top);
  report.Add(prefix + L"client_width", client.right);
  report.Add(prefix + L"client_height", client.bottom);
  report.Add(prefix + L"style", Hex(static_cast<DWORD>(style)));
  report.Add(prefix + L"exstyle", Hex(static_cast<DWORD>(exStyle)));
  report.AddFlag(prefix + L"visible", IsWindowVisible(window));
  report.AddFlag(prefix + L"iconic", IsIconic(window));
  report.AddFlag(prefix + L"topmost", (exStyle & WS_EX_TOPMOST) != 0);
  report.AddFlag(prefix + L"foreground", GetForegroundWindow() == window);
  report.Add(prefix + L"pid", pid);
  DescribeZOrder(window, report, prefix);
}

void SyncWith(HWND window, int rounds) {
  for (int i = 0; i < rounds; ++i) {
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored)) return;
    Sleep(1);
  }
}

}  // namespace driver
