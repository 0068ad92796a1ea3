#include <windows.h>

#include <algorithm>

#include "platform/CodePage.h"

namespace pendra {

namespace {

// MultiByteToWideChar measures in int; larger inputs are converted in pieces that end on
// a character boundary of the code page.
constexpr size_t kPiece = 64 * 1024 * 1024;

int Decode(std::string_view bytes, unsigned codePage, DWORD flags, wchar_t* out, int outSize) {
  return MultiByteToWideChar(codePage, flags, bytes.data(), static_cast<int>(bytes.size()), out, outSize);
}

// Converts one piece; with MB_ERR_INVALID_CHARS an invalid piece gives nullopt. Code pages
// that refuse that flag are converted without it.
std::optional<std::u16string> DecodePiece(std::string_view bytes, unsigned codePage, bool strictly) {
  if (bytes.empty()) return std::u16string();
  DWORD flags = strictly ? MB_ERR_INVALID_CHARS : 0;
  int length = Decode(bytes, codePage, flags, nullptr, 0);
  if (length == 0 && flags != 0 && GetLastError() == ERROR_INVALID_FLAGS) {
    flags = 0;
    length = Decode(bytes, codePage, flags, nullptr, 0);
  }
  if (length == 0) return std::nullopt;
  std::u16string text(static_cast<size_t>(length), u'\0');
  Decode(bytes, codePage, flags, reinterpret_cast<wchar_t*>(text.data()), length);
  return text;
}

// The length of the longest prefix of bytes, at most kPiece, that ends on a character
// boundary (lead bytes of double-byte code pages are not split from their trail byte).
size_t PieceLength(std::string_view bytes, unsigned codePage) {
  if (bytes.size() <= kPiece) return bytes.size();
  size_t length = 0;
  while (length < kPiece) {
    bool lead = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(bytes[length]));
    length += lead ? 2 : 1;
  }
  return length;
}

}  // namespace

unsigned AnsiCodePage() { return GetACP(); }

bool CodePageAvailable(unsigned codePage) { return codePage == CP_ACP || IsValidCodePage(codePage); }

std::u16string DecodeCodePage(std::string_view bytes, unsigned codePage) {
  std::u16string text;
  while (!bytes.empty()) {
    size_t length = PieceLength(bytes, codePage);
    std::optional<std::u16string> piece = DecodePiece(bytes.substr(0, length), codePage, false);
    text += piece ? *piece : std::u16string(length, u'\xFFFD');
    bytes.remove_prefix(length);
  }
  return text;
}

std::optional<std::u16string> DecodeCodePageStrictly(std::string_view bytes, unsigned codePage) {
  if (bytes.size() > kPiece) return std::nullopt;
  return DecodePiece(bytes, codePage, true);
}

std::string EncodeCodePage(std::u16string_view text, unsigned codePage) {
  std::string bytes;
  while (!text.empty()) {
    size_t units = std::min(text.size(), kPiece);
    if (units < text.size() && IS_HIGH_SURROGATE(text[units - 1])) --units;
    auto wide = reinterpret_cast<const wchar_t*>(text.data());
    int length = WideCharToMultiByte(codePage, 0, wide, static_cast<int>(units), nullptr, 0, nullptr, nullptr);
    size_t start = bytes.size();
    bytes.resize(start + static_cast<size_t>(length));
    WideCharToMultiByte(codePage, 0, wide, static_cast<int>(units), bytes.data() + start, length, nullptr, nullptr);
    text.remove_prefix(units);
  }
  return bytes;
}

}  // namespace pendra
