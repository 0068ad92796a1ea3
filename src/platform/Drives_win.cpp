#include <windows.h>

#include "platform/Drives.h"
#include "platform/WideText_win.h"

namespace pendra {

// Only a drive letter's root is asked: a bare "\" is the current folder's drive, which may
// itself be a share.
DriveKind KindOfDrive(const std::u16string& root) {
  if (root.size() != 3 || root[1] != u':' || root[2] != u'\\') return DriveKind::None;
  switch (GetDriveTypeW(Wide(root))) {
    case DRIVE_FIXED:
    case DRIVE_REMOVABLE:
    case DRIVE_CDROM:
    case DRIVE_RAMDISK: return DriveKind::Local;
    case DRIVE_REMOTE: return DriveKind::Remote;
    default: return DriveKind::None;
  }
}

}  // namespace pendra
