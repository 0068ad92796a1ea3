#include "platform/Drives.h"

#include "platform/Paths.h"

namespace pendra {

namespace {

bool IsDriveLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

}  // namespace

bool IsOnLocalDrive(std::u16string_view path, DriveKindOf kindOf) {
  if (path.size() >= 2 && IsPathDelimiter(path[0]) && IsPathDelimiter(path[1])) return false;
  if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == u':' && IsPathDelimiter(path[2])) {
    return kindOf(std::u16string{path[0], u':', kPathDelimiter}) == DriveKind::Local;
  }
  if (!path.empty() && IsPathDelimiter(path[0])) return kindOf(std::u16string(1, kPathDelimiter)) == DriveKind::Local;
  return false;
}

}  // namespace pendra
