#include <cstdlib>
#include <filesystem>

#include "platform/Folders.h"
#include "platform/Utf.h"

namespace pendra {

namespace fs = std::filesystem;

std::u16string ApplicationDataFolder() {
  const char* home = std::getenv("HOME");
  return home ? FromUtf8(std::string(home) + "/.config") : std::u16string();
}

std::u16string ExpandFileName(const std::u16string& path) {
  std::error_code error;
  fs::path absolute = fs::absolute(fs::path(ToUtf8(path)), error);
  std::u16string result = error ? path : FromUtf8(absolute.lexically_normal().string());
  if (!path.empty() && path.back() == u'/' && (result.empty() || result.back() != u'/')) result += u'/';
  return result;
}

std::u16string UniversalName(const std::u16string& path) { return path; }

std::u16string CurrentDirectory() {
  std::error_code error;
  return FromUtf8(fs::current_path(error).string());
}

bool SetCurrentDirectoryTo(const std::u16string& path) {
  std::error_code error;
  fs::current_path(fs::path(ToUtf8(path)), error);
  return !error;
}

}  // namespace pendra
