#pragma once
// Whether a path lies on a drive of this computer, decided from the path's text and its drive's
// type alone: on Windows even asking whether a path on another computer exists contacts that
// computer (a network logon), so a path that came from a file is judged before it is touched.
#include <string>
#include <string_view>

namespace pendra {

enum class DriveKind { Local, Remote, None };

// The kind of drive a root names: "X:\" on Windows (a mapped network drive is Remote, a letter
// without a drive None), the file system's root "/" natively. Touches no file.
DriveKind KindOfDrive(const std::u16string& root);

using DriveKindOf = DriveKind (*)(const std::u16string& root);

// True for a path that begins with the root of a local drive: "X:\" (or "X:/") of a local drive
// letter, or the platform's bare root where that is a local file system. False for UNC and
// device paths (two delimiters at the start), for paths relative to the current folder or to
// a drive's current folder, and for drives that are remote or not there.
bool IsOnLocalDrive(std::u16string_view path, DriveKindOf kindOf = KindOfDrive);

}  // namespace pendra
