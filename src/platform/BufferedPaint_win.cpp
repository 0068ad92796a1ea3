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

}  // namespace pendra
