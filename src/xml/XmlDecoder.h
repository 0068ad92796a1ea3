#pragma once
// Turns the bytes of a document into UTF-16 code units: UTF-8 and UTF-16 little-endian
// by the engine itself, every other code page through the system (platform/CodePage.h).
// The reader decodes the prolog one character at a time, because a declaration may change
// the decoding from the character after it on, and the rest of the input in parts.
#include <array>
#include <cstdint>
#include <string_view>

#include "xml/XmlTextBuffer.h"

namespace pendra {

constexpr unsigned kCodePageUtf8 = 65001;
constexpr unsigned kCodePageUtf16 = 1200;

class XmlDecoder {
 public:
  // 65001 for UTF-8, 1200 for UTF-16 LE, 0 for the ANSI code page, else that code page.
  explicit XmlDecoder(unsigned codePage) : codePage_(codePage) {}

  unsigned CodePage() const { return codePage_; }
  // Whether any bytes so far formed no character and were replaced.
  bool Replaced() const { return replaced_; }
  // Decodes from now on in another code page; what was replaced so far stays recorded.
  void SwitchTo(unsigned codePage);

  // Appends the units of the first character of bytes (not empty) and returns the number
  // of bytes it took. Bytes that form no character become U+FFFD, one per byte (see Replaced).
  size_t DecodeCharacter(std::string_view bytes, XmlTextBuffer& text);

  // Appends the units of all bytes.
  void DecodeAll(std::string_view bytes, XmlTextBuffer& text);

  // How many of the first bytes (about `wanted`, or all) to decode next with DecodeAll so
  // that the part ends between two characters and decodes as it would in the whole. Only
  // UTF-8 and UTF-16 are decoded in parts; other code pages take all bytes at once.
  size_t PartLength(std::string_view bytes, size_t wanted) const;

 private:
  size_t DecodeCodePageCharacter(std::string_view bytes, XmlTextBuffer& text);

  unsigned codePage_;
  bool replaced_ = false;
  // Per byte value of a code page: its unit when the byte alone is a character,
  // kMultiByte when it is not, kUnknown before it was first met.
  static constexpr int32_t kUnknown = -2;
  static constexpr int32_t kMultiByte = -1;
  std::array<int32_t, 256> singleBytes_ = MakeUnknownTable();
  static constexpr std::array<int32_t, 256> MakeUnknownTable() {
    std::array<int32_t, 256> table{};
    table.fill(kUnknown);
    return table;
  }
};

}  // namespace pendra
