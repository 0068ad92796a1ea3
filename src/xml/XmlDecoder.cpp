#include "xml/XmlDecoder.h"

#include <cstring>

#include "platform/CodePage.h"
#include "platform/Utf.h"

namespace pendra {

namespace {

constexpr char16_t kReplacement = u'\xFFFD';

// Writes the units of the UTF-8 character at the front of bytes (not empty) to out and
// returns how many; `used` gets the bytes it took. Bytes that form no character become
// U+FFFD, one per byte, and set `replaced`.
size_t DecodeUtf8Units(std::string_view bytes, char16_t* out, size_t& used, bool& replaced) {
  Utf8Character character = DecodeUtf8Character(bytes);
  used = character.length;
  if (character.codePoint == kInvalidUtf8) {
    out[0] = kReplacement;
    replaced = true;
    return 1;
  }
  return WriteUtf16(character.codePoint, out);
}

// UTF-8 never takes more units than bytes, so the text grows by at most bytes.size().
void DecodeUtf8(std::string_view bytes, XmlTextBuffer& text, bool& replaced) {
  char16_t* out = text.Extend(bytes.size());
  auto p = reinterpret_cast<const unsigned char*>(bytes.data());
  const unsigned char* end = p + bytes.size();
  while (p < end) {
    while (end - p >= 8) {
      uint64_t eight;
      std::memcpy(&eight, p, 8);
      if (eight & 0x8080808080808080u) break;
      for (int k = 0; k < 8; ++k) out[k] = p[k];
      p += 8;
      out += 8;
    }
    if (p == end) break;
    if (*p < 0x80) {
      *out++ = *p++;
      continue;
    }
    size_t used;
    out += DecodeUtf8Units(std::string_view(reinterpret_cast<const char*>(p), end - p), out, used, replaced);
    p += used;
  }
  text.Commit(out);
}

char16_t Utf16Unit(std::string_view bytes, size_t at) {
  return static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8);
}

void DecodeUtf16(std::string_view bytes, XmlTextBuffer& text, bool& replaced) {
  char16_t* out = text.Extend((bytes.size() + 1) / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) *out++ = Utf16Unit(bytes, i);
  if (bytes.size() % 2 != 0) {
    *out++ = kReplacement;
    replaced = true;
  }
  text.Commit(out);
}

}  // namespace

void XmlDecoder::SwitchTo(unsigned codePage) {
  codePage_ = codePage;
  singleBytes_ = MakeUnknownTable();
}

size_t XmlDecoder::DecodeCharacter(std::string_view bytes, XmlTextBuffer& text) {
  if (codePage_ == kCodePageUtf16) {
    if (bytes.size() < 2) {
      text.Append(kReplacement);
      replaced_ = true;
      return 1;
    }
    text.Append(Utf16Unit(bytes, 0));
    return 2;
  }
  if (codePage_ == kCodePageUtf8) {
    if (static_cast<unsigned char>(bytes[0]) < 0x80) {
      text.Append(static_cast<char16_t>(bytes[0]));
      return 1;
    }
    char16_t units[2];
    size_t used;
    text.Append(std::u16string_view(units, DecodeUtf8Units(bytes, units, used, replaced_)));
    return used;
  }
  return DecodeCodePageCharacter(bytes, text);
}

// A byte that is a character on its own is looked up once; a longer character is the
// shortest run of up to four bytes the code page accepts.
size_t XmlDecoder::DecodeCodePageCharacter(std::string_view bytes, XmlTextBuffer& text) {
  auto lead = static_cast<unsigned char>(bytes[0]);
  if (singleBytes_[lead] == kUnknown) {
    std::optional<std::u16string> single = DecodeCodePageStrictly(bytes.substr(0, 1), codePage_);
    singleBytes_[lead] = single && single->size() == 1 ? (*single)[0] : kMultiByte;
  }
  if (singleBytes_[lead] != kMultiByte) {
    text.Append(static_cast<char16_t>(singleBytes_[lead]));
    return 1;
  }
  for (size_t length = 2; length <= 4 && length <= bytes.size(); ++length) {
    std::optional<std::u16string> character = DecodeCodePageStrictly(bytes.substr(0, length), codePage_);
    if (character && !character->empty()) {
      text.Append(*character);
      return length;
    }
  }
  text.Append(kReplacement);
  replaced_ = true;
  return 1;
}

void XmlDecoder::DecodeAll(std::string_view bytes, XmlTextBuffer& text) {
  if (codePage_ == kCodePageUtf8) {
    DecodeUtf8(bytes, text, replaced_);
  } else if (codePage_ == kCodePageUtf16) {
    DecodeUtf16(bytes, text, replaced_);
  } else if (std::optional<std::u16string> exact = DecodeCodePageStrictly(bytes, codePage_)) {
    text.Append(*exact);
  } else {
    text.Append(DecodeCodePage(bytes, codePage_));
    replaced_ = true;
  }
}

// A UTF-8 character takes its lead byte and at most three continuation bytes after it, so
// a cut before a byte that is no continuation byte, or after three continuation bytes in
// a row, splits none.
size_t XmlDecoder::PartLength(std::string_view bytes, size_t wanted) const {
  if (bytes.size() <= wanted) return bytes.size();
  if (codePage_ == kCodePageUtf16) return wanted & ~size_t{1};
  if (codePage_ != kCodePageUtf8) return bytes.size();
  auto continuation = [bytes](size_t at) { return (static_cast<unsigned char>(bytes[at]) & 0xC0) == 0x80; };
  for (size_t cut = wanted; cut + 3 >= wanted && cut > 0; --cut) {
    if (!continuation(cut)) return cut;
  }
  return wanted;
}

}  // namespace pendra
