#include <fstream>
#include <iterator>

#include "platform/FileSystem.h"
#include "platform/Utf.h"

namespace pendra {

std::string ReadWholeFile(const std::u16string& path) {
  std::ifstream in(ToUtf8(path), std::ios::binary);
  if (!in) throw EFOpenError(u"Cannot open file \"" + path + u"\".");
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw EInOutError(u"Read error");
  return bytes;
}

void WriteWholeFile(const std::u16string& path, std::string_view bytes) {
  std::ofstream out(ToUtf8(path), std::ios::binary | std::ios::trunc);
  if (!out) throw EFCreateError(u"Cannot create file \"" + path + u"\".");
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  if (!out) throw EInOutError(u"Write error");
}

}  // namespace pendra
