#include "platform/Clipboard_win.h"

#include <cstring>

namespace pendra {

namespace {

// Opens the clipboard for the scope; another program may hold it for a moment.
class OpenClipboardGuard {
 public:
  explicit OpenClipboardGuard(HWND owner) {
    constexpr int kTries = 5;
    constexpr DWORD kPauseMs = 20;
    for (int attempt = 0; attempt < kTries; ++attempt) {
      if (OpenClipboard(owner)) return;
      Sleep(kPauseMs);
    }
    throw EClipboardError(u"Cannot open clipboard.");
  }
  ~OpenClipboardGuard() { CloseClipboard(); }
  OpenClipboardGuard(const OpenClipboardGuard&) = delete;
  OpenClipboardGuard& operator=(const OpenClipboardGuard&) = delete;
};

}  // namespace

std::optional<std::u16string> ClipboardText(HWND owner) {
  OpenClipboardGuard open(owner);
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return std::nullopt;
  const auto* text = static_cast<const char16_t*>(GlobalLock(data));
  if (!text) return std::nullopt;
  std::u16string copy(text);
  GlobalUnlock(data);
  return copy;
}

void SetClipboardText(HWND owner, const std::u16string& text) {
  const size_t bytes = (text.size() + 1) * sizeof(char16_t);
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!data) throw EClipboardError(u"Not enough memory for the clipboard.");
  std::memcpy(GlobalLock(data), text.c_str(), bytes);
  GlobalUnlock(data);
  try {
    OpenClipboardGuard open(owner);
    EmptyClipboard();
    // The clipboard owns the memory once it took it.
    if (SetClipboardData(CF_UNICODETEXT, data)) return;
  } catch (...) {
    GlobalFree(data);
    throw;
  }
  GlobalFree(data);
  throw EClipboardError(u"Cannot put the text on the clipboard.");
}

}  // namespace pendra
