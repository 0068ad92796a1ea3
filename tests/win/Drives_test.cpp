#include "platform/Drives.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace pendra {

namespace {

// A drive letter no drive has; 0 when every letter is taken.
char16_t UnusedDriveLetter() {
  const DWORD used = GetLogicalDrives();
  for (int letter = 'Z'; letter >= 'D'; --letter) {
    if (!(used & (1u << (letter - 'A')))) return static_cast<char16_t>(letter);
  }
  return 0;
}

TEST(Drives, TheSystemDriveIsLocalAndALetterWithoutDriveIsNot) {
  wchar_t windows[MAX_PATH] = {};
  ASSERT_GT(GetWindowsDirectoryW(windows, MAX_PATH), 2u);
  const std::u16string systemRoot{static_cast<char16_t>(windows[0]), u':', u'\\'};
  EXPECT_EQ(KindOfDrive(systemRoot), DriveKind::Local);
  EXPECT_TRUE(IsOnLocalDrive(systemRoot + u"Kastrel\\Skins\\"));

  const char16_t unused = UnusedDriveLetter();
  ASSERT_NE(unused, 0);
  EXPECT_EQ(KindOfDrive(std::u16string{unused, u':', u'\\'}), DriveKind::None);
  EXPECT_FALSE(IsOnLocalDrive(std::u16string{unused, u':', u'\\', u'S'}));
}

// A root without a drive letter is the current folder's drive, which may be a share.
TEST(Drives, ABareRootIsNotTakenForLocal) {
  EXPECT_EQ(KindOfDrive(u"\\"), DriveKind::None);
  EXPECT_FALSE(IsOnLocalDrive(u"\\Skins\\"));
  EXPECT_FALSE(IsOnLocalDrive(u"\\\\localhost\\C$\\Skins\\"));
}

}  // namespace

}  // namespace pendra
