#include "platform/Drives.h"

namespace pendra {

// The native build knows no drive letters; its one root is the local file system's.
DriveKind KindOfDrive(const std::u16string& root) { return root == u"/" ? DriveKind::Local : DriveKind::None; }

}  // namespace pendra
