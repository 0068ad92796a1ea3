#include <errno.h>
#include <iconv.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/CodePage.h"

namespace pendra {

namespace {

constexpr unsigned kNativeAnsiCodePage = 1252;

// iconv's name for a Windows code page, where it does not follow the "CP<number>" pattern.
std::string IconvName(unsigned codePage) {
  struct Name {
    unsigned codePage;
    const char* name;
  };
  static constexpr Name kNames[] = {
      {1200, "UTF-16LE"},     {1201, "UTF-16BE"},     {12000, "UTF-32LE"},    {12001, "UTF-32BE"},
      {65000, "UTF-7"},       {65001, "UTF-8"},       {20127, "ASCII"},       {10000, "MACINTOSH"},
      {20866, "KOI8-R"},      {21866, "KOI8-U"},      {28591, "ISO-8859-1"},  {28592, "ISO-8859-2"},
      {28593, "ISO-8859-3"},  {28594, "ISO-8859-4"},  {28595, "ISO-8859-5"},  {28596, "ISO-8859-6"},
      {28597, "ISO-8859-7"},  {28598, "ISO-8859-8"},  {38598, "ISO-8859-8"},  {28599, "ISO-8859-9"},
      {28603, "ISO-8859-13"}, {28605, "ISO-8859-15"}, {20932, "EUC-JP"},      {51932, "EUC-JP"},
      {51936, "EUC-CN"},      {51949, "EUC-KR"},      {50220, "ISO-2022-JP"}, {50221, "ISO-2022-JP"},
      {50222, "ISO-2022-JP"}, {50225, "ISO-2022-KR"}, {54936, "GB18030"},     {37, "IBM037"},
      {20273, "IBM273"},      {20277, "IBM277"},      {20278, "IBM278"},      {20280, "IBM280"},
      {20284, "IBM284"},      {20285, "IBM285"},      {20290, "IBM290"},      {20297, "IBM297"},
      {20420, "IBM420"},      {20423, "IBM423"},      {20424, "IBM424"},      {20871, "IBM871"},
      {20880, "IBM880"},      {20905, "IBM905"},      {20924, "IBM1047"},
  };
  if (codePage == 0) codePage = kNativeAnsiCodePage;
  for (const Name& n : kNames) {
    if (n.codePage == codePage) return n.name;
  }
  return "CP" + std::to_string(codePage);
}

class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~Converter() {
    if (Valid()) iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much as possible; stops at an invalid or incomplete sequence, leaving
  // `in` at it. Returns false when it stopped early.
  bool Convert(std::string_view& in, std::string& out) {
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    bool complete = true;
    while (inLeft > 0) {
      char buffer[4096];
      char* outPtr = buffer;
      size_t outLeft = sizeof buffer;
      size_t result = iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft);
      out.append(buffer, static_cast<size_t>(outPtr - buffer));
      if (result == static_cast<size_t>(-1) && errno != E2BIG) {
        complete = false;
        break;
      }
    }
    in = std::string_view(inPtr, inLeft);
    return complete;
  }

 private:
  iconv_t handle_;
};

std::u16string FromUtf16Bytes(const std::string& bytes) {
  std::u16string text(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) | static_cast<uint8_t>(bytes[2 * i + 1]) << 8);
  }
  return text;
}

}  // namespace

unsigned AnsiCodePage() { return kNativeAnsiCodePage; }

bool CodePageAvailable(unsigned codePage) { return Converter("UTF-16LE", IconvName(codePage).c_str()).Valid(); }

std::u16string DecodeCodePage(std::string_view bytes, unsigned codePage) {
  Converter converter("UTF-16LE", IconvName(codePage).c_str());
  if (!converter.Valid()) return std::u16string(bytes.size(), u'\xFFFD');
  std::string units;
  std::u16string text;
  while (!converter.Convert(bytes, units)) {
    text += FromUtf16Bytes(units) + u'\xFFFD';
    units.clear();
    bytes.remove_prefix(1);
  }
  return text + FromUtf16Bytes(units);
}

std::optional<std::u16string> DecodeCodePageStrictly(std::string_view bytes, unsigned codePage) {
  Converter converter("UTF-16LE", IconvName(codePage).c_str());
  std::string units;
  if (!converter.Valid() || !converter.Convert(bytes, units)) return std::nullopt;
  return FromUtf16Bytes(units);
}

std::string EncodeCodePage(std::u16string_view text, unsigned codePage) {
  Converter converter(IconvName(codePage).c_str(), "UTF-16LE");
  if (!converter.Valid()) return std::string(text.size(), '?');
  std::string units;
  for (char16_t unit : text) {
    units += static_cast<char>(unit & 0xFF);
    units += static_cast<char>(unit >> 8);
  }
  std::string out;
  std::string_view in = units;
  while (!converter.Convert(in, out)) {
    out += '?';
    in.remove_prefix(std::min<size_t>(2, in.size()));
  }
  return out;
}

}  // namespace pendra
