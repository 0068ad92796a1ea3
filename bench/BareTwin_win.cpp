// BareTwin.exe: a bare window standing in for Pendra's main window, so that startup.py can tell
// Pendra's own start-up cost from what any window costs under the same conditions. It registers
// the class "TToDoForm", creates a window captioned "Pendra" with Pendra's styles, place and size,
// shows it, paints it white and does nothing else; WM_CLOSE ends it with exit code 0.
//
//   BareTwin.exe                          370 x 211 client, 40 pixels left of the screen's right
//                                         edge, centred vertically (rounded half to even), as
//                                         Pendra's first start places its window
//   BareTwin.exe LEFT TOP WIDTH HEIGHT    that window rectangle (the place a data file stores)
//   BareTwin.exe -m                       starts hidden, captioned "Pendra Bare"; Ctrl+Alt+Shift+F12
//                                         (Pendra holds Space) shows it in front, and hides it again
//                                         while it is in front (summon.py)
//
// It reads no file and links only user32 and gdi32 (the command line is parsed without shell32).
#include <windows.h>

#include <cmath>
#include <cwchar>

namespace {

constexpr int kClientWidth = 370;
constexpr int kClientHeight = 211;
constexpr int kRightMargin = 40;
constexpr DWORD kStyle = WS_POPUP | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;

constexpr int kSummonKeyId = 1;

void ShowOrHide(HWND window) {
  if (IsWindowVisible(window) && GetForegroundWindow() == window) {
    ShowWindow(window, SW_HIDE);
    return;
  }
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HOTKEY: ShowOrHide(window); return 0;
    case WM_CLOSE: DestroyWindow(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  // WM_PAINT's default erases with the class brush (white) and validates.
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  RECT place{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&place, kStyle, FALSE, kExStyle);
  int width = place.right - place.left, height = place.bottom - place.top;
  int left = GetSystemMetrics(SM_CXSCREEN) - width - kRightMargin;
  int top = static_cast<int>(std::nearbyint(GetSystemMetrics(SM_CYSCREEN) / 2.0 - height / 2.0));
  int given[4];
  if (commandLine && swscanf(commandLine, L"%d %d %d %d", &given[0], &given[1], &given[2], &given[3]) == 4) {
    left = given[0];
    top = given[1];
    width = given[2];
    height = given[3];
  }

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = L"TToDoForm";
  if (!RegisterClassExW(&windowClass)) return 1;
  const bool hidden = commandLine && std::wcscmp(commandLine, L"-m") == 0;
  HWND window = CreateWindowExW(kExStyle, L"TToDoForm", hidden ? L"Pendra Bare" : L"Pendra", kStyle, left, top, width,
                                height, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  if (hidden) {
    RegisterHotKey(window, kSummonKeyId, MOD_CONTROL | MOD_ALT | MOD_SHIFT | MOD_NOREPEAT, VK_F12);
  } else {
    ShowWindow(window, SW_SHOWNORMAL);
  }

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
