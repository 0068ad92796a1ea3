#include "platform/Drives.h"

#include <gtest/gtest.h>
#include <vector>

#include "platform/Paths.h"
#include "platform/Utf.h"

namespace pendra {

namespace {

// Drive C is a local disk, N a mapped network drive, every other letter has no drive; the bare
// root is a local file system. Every question is written down.
std::vector<std::u16string> asked;

DriveKind FakeDrives(const std::u16string& root) {
  asked.push_back(root);
  if (root == std::u16string(1, kPathDelimiter)) return DriveKind::Local;
  if (root[0] == u'C' || root[0] == u'c') return DriveKind::Local;
  if (root[0] == u'N') return DriveKind::Remote;
  return DriveKind::None;
}

TEST(Drives, APathIsLocalOnlyByItsTextAndItsDriveLetter) {
  const struct {
    std::u16string path;
    bool local;
  } cases[] = {
      {u"C:\\Skins\\", true}, {u"c:/Skins/", true}, {u"N:\\Skins\\", false}, {u"Q:\\Skins\\", false},
      {u"\\Skins\\", true},  // the bare root is what the platform says it is
      {u"C:Skins\\", false},  {u"Skins\\", false},  {u"..\\Skins\\", false}, {u"", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsOnLocalDrive(c.path, FakeDrives), c.local) << ToUtf8(c.path);
  }
}

// Asking anything about them would already contact the computer they name.
TEST(Drives, SharesAndDevicePathsAreNotLocalAndNothingIsAsked) {
  asked.clear();
  for (const char16_t* path : {u"\\\\host\\share\\Skins\\", u"//host/share/Skins/", u"\\/host/share/",
                               u"\\\\?\\C:\\Skins\\", u"\\\\?\\UNC\\host\\share\\", u"\\\\.\\C:\\Skins\\"}) {
    EXPECT_FALSE(IsOnLocalDrive(path, FakeDrives)) << ToUtf8(path);
  }
  EXPECT_TRUE(asked.empty());
}

}  // namespace

}  // namespace pendra
