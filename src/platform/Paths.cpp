#include "platform/Paths.h"

namespace pendra {

bool IsPathDelimiter(char16_t c) { return c == u'\\' || c == u'/'; }

std::u16string ExtractFilePath(const std::u16string& path) {
  size_t end = path.find_last_of(u"\\/:");
  return end == std::u16string::npos ? std::u16string() : path.substr(0, end + 1);
}

std::u16string IncludeTrailingPathDelimiter(const std::u16string& path) {
  if (!path.empty() && IsPathDelimiter(path.back())) return path;
  return path + kPathDelimiter;
}

std::u16string ExcludeTrailingPathDelimiter(const std::u16string& path) {
  if (!path.empty() && IsPathDelimiter(path.back())) return path.substr(0, path.size() - 1);
  return path;
}

}  // namespace pendra
