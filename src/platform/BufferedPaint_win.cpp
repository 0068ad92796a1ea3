#include "platform/BufferedPaint_win.h"

#include "platform/Unique_win.h"

namespace pendra {

void PaintBuffered(HWND window, const std::function<void(HDC dc, const RECT& client)>& paint) {
  PaintGuard guard(window);
  RECT client{};
  GetClientRect(window, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  UniqueDc memory(CreateCompatibleDC(guard.Dc()));
  UniqueBitmap buffer(CreateCompatibleBitmap(guard.Dc(), client.right, client.bottom));
  SelectGuard selected(memory.Get(), buffer.Get());
  paint(memory.Get(), client);
  BitBlt(guard.Dc(), 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
}

namespace {

// The picture of one visible child: its one-pixel border, if it has one, and its client area.
void PrintChild(HWND window, HWND child, HDC dc) {
  RECT outer{};
  GetWindowRect(child, &outer);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&outer), 2);
  if (GetWindowLongW(child, GWL_STYLE) & WS_BORDER) FrameRect(dc, &outer, GetSysColorBrush(COLOR_WINDOWFRAME));
  RECT client{};
  GetClientRect(child, &client);
  MapWindowPoints(child, window, reinterpret_cast<POINT*>(&client), 2);
  const int saved = SaveDC(dc);
  OffsetViewportOrgEx(dc, client.left, client.top, nullptr);
  IntersectClipRect(dc, 0, 0, client.right - client.left, client.bottom - client.top);
  SendMessageW(child, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  RestoreDC(dc, saved);
}

}  // namespace

void PaintWithChildrenAtOnce(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  HDC target = GetDCEx(window, nullptr, DCX_CACHE);
  if (!target) return;
  {
    UniqueDc memory(CreateCompatibleDC(target));
    UniqueBitmap picture(CreateCompatibleBitmap(target, client.right, client.bottom));
    SelectGuard selected(memory.Get(), picture.Get());
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.Get()), PRF_CLIENT);
    HWND first = GetWindow(window, GW_CHILD);
    for (HWND child = first ? GetWindow(first, GW_HWNDLAST) : nullptr; child; child = GetWindow(child, GW_HWNDPREV)) {
      if (IsWindowVisible(child)) PrintChild(window, child, memory.Get());
    }
    // One copy: the window never holds half of the picture.
    BitBlt(target, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
  }
  ReleaseDC(window, target);
}

}  // namespace pendra
