#include "Clipboard.h"

#include <cstring>

namespace driver {

namespace {

// Opens the clipboard for the guard's lifetime, retrying while another program holds it.
// Setting data needs an owner window; a message-only window serves.
class ClipboardSession {
 public:
  explicit ClipboardSession(bool forWriting) {
    if (forWriting) owner_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    for (int attempt = 0; attempt < 100 && !open_; ++attempt) {
      open_ = OpenClipboard(owner_);
      if (!open_) Sleep(10);
    }
  }
  ~ClipboardSession() {
    if (open_) CloseClipboard();
    if (owner_) DestroyWindow(owner_);
  }
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;
  explicit operator bool() const { return open_; }

 private:
  HWND owner_ = nullptr;
  bool open_ = false;
};

// Hands a block of bytes to the clipboard under the format; the clipboard owns it afterwards.
bool PutBytes(UINT format, const void* bytes, size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!block) return false;
  std::memcpy(GlobalLock(block), bytes, size);
  GlobalUnlock(block);
  if (SetClipboardData(format, block)) return true;
  GlobalFree(block);
  return false;
}

}  // namespace

std::optional<std::wstring> ClipboardText() {
  ClipboardSession session(false);
  if (!session) return std::nullopt;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return std::nullopt;
  const wchar_t* text = static_cast<const wchar_t*>(GlobalLock(data));
  if (!text) return std::nullopt;
  std::wstring copy(text, wcsnlen(text, GlobalSize(data) / sizeof(wchar_t)));
  GlobalUnlock(data);
  return copy;
}

std::vector<UINT> ClipboardFormats() {
  std::vector<UINT> formats;
  ClipboardSession session(false);
  if (!session) return formats;
  for (UINT f = EnumClipboardFormats(0); f; f = EnumClipboardFormats(f)) formats.push_back(f);
  return formats;
}

bool SetClipboardText(const std::wstring& text) {
  ClipboardSession session(true);
  if (!session || !EmptyClipboard()) return false;
  return PutBytes(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

bool SetClipboardPicture() {
  ClipboardSession session(true);
  if (!session || !EmptyClipboard()) return false;
  struct {
    BITMAPINFOHEADER header;
    DWORD pixel;
  } picture{};
  picture.header.biSize = sizeof(BITMAPINFOHEADER);
  picture.header.biWidth = 1;
  picture.header.biHeight = 1;
  picture.header.biPlanes = 1;
  picture.header.biBitCount = 32;
  picture.header.biCompression = BI_RGB;
  picture.pixel = 0x00FF0000;
  return PutBytes(CF_DIB, &picture, sizeof picture);
}

bool ClearClipboard() {
  ClipboardSession session(true);
  return session && EmptyClipboard();
}

}  // namespace driver
