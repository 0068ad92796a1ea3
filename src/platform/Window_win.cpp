#include "platform/Window_win.h"

namespace pendra {

namespace {
UnhandledFailureHandler unhandledFailureHandler = nullptr;
}

void SetUnhandledFailureHandler(UnhandledFailureHandler handler) { unhandledFailureHandler = handler; }

void ReportUnhandledFailure(const std::exception& failure) {
  if (unhandledFailureHandler) unhandledFailureHandler(failure);
}

void ProcessPendingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

Window::~Window() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void Window::RegisterClassOnce(const wchar_t* className, UINT style, HBRUSH background, HICON icon) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = style;
  wc.lpfnWndProc = StaticProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.hIcon = icon;
  wc.hIconSm = icon;
  wc.lpszClassName = className;
  RegisterClassExW(&wc);
}

HWND Window::CreateWindowOf(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle, int x, int y,
                            int width, int height, HWND parent, HMENU idOrMenu) {
  return CreateWindowExW(exStyle, className, caption, style, x, y, width, height, parent, idOrMenu,
                         GetModuleHandleW(nullptr), this);
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) { return DefaultProc(message, wParam, lParam); }

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    LRESULT result = self->OnMessage(message, wParam, lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self->OnDestroyed();
    return result;
  }
  return WithFailuresReported([&] { return self->OnMessage(message, wParam, lParam); });
}

}  // namespace pendra
