#include "platform/FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <gtest/gtest.h>

#include "platform/Folders.h"
#include "platform/Guid.h"
#include "platform/Unique_win.h"
#include "platform/WideText_win.h"

namespace pendra {

namespace {

// A fresh folder under %TEMP%, with a drive letter and backslashes, removed afterwards.
class WinTempFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder = FromWide(temp) + u"pendra-win-" + NewGuidText() + u"\\";
    ASSERT_TRUE(ForceDirectories(folder));
  }
  void TearDown() override {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(Wide(folder + u"*"), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        std::u16string path = folder + FromWide(found.cFileName);
        SetFileAttributesW(Wide(path), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(Wide(path));
        RemoveDirectoryW(Wide(path));
      } while (FindNextFileW(search, &found));
      FindClose(search);
    }
    RemoveDirectoryW(Wide(folder));
  }
  std::u16string folder;
};

}  // namespace

TEST(Guid, HasTheBracedUpperCaseForm) {
  std::u16string guid = NewGuidText();
  ASSERT_EQ(guid.size(), 38u);
  EXPECT_EQ(guid.front(), u'{');
  EXPECT_EQ(guid.back(), u'}');
  for (size_t i = 1; i < 37; ++i) {
    if (i == 9 || i == 14 || i == 19 || i == 24) {
      EXPECT_EQ(guid[i], u'-');
    } else {
      EXPECT_TRUE((guid[i] >= u'0' && guid[i] <= u'9') || (guid[i] >= u'A' && guid[i] <= u'F')) << i;
    }
  }
  EXPECT_NE(NewGuidText(), guid);
}

TEST(Folders, ApplicationDataFolderIsTheRoamingFolder) {
  std::u16string folder = ApplicationDataFolder();
  ASSERT_GE(folder.size(), 3u);
  EXPECT_EQ(folder.substr(1, 2), u":\\");
  EXPECT_NE(folder.find(u"Roaming"), std::u16string::npos);
  EXPECT_TRUE(DirectoryExists(folder));
}

TEST(Folders, LocalPathsKeepTheirFormAndExpandToFullPaths) {
  EXPECT_EQ(UniversalName(u"C:\\windows\\"), u"C:\\windows\\");
  ASSERT_TRUE(SetCurrentDirectoryTo(u"C:\\windows"));
  EXPECT_EQ(ExpandFileName(u"system32\\..\\Pendra\\"), u"C:\\windows\\Pendra\\");
  EXPECT_EQ(CurrentDirectory(), u"C:\\windows");
}

TEST_F(WinTempFolder, ListFolderGivesEveryEntryHiddenOnesIncludedAndTellsFoldersFromFiles) {
  ASSERT_TRUE(CreateDirectoryW(Wide(folder + u"Lime"), nullptr));
  ASSERT_TRUE(CreateDirectoryW(Wide(folder + u"Hidden"), nullptr));
  SetFileAttributesW(Wide(folder + u"Hidden"),
                     FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  WriteWholeFile(folder + u"notes.txt", "x");
  std::vector<std::pair<std::u16string, bool>> listed;
  for (const FolderEntry& entry : ListFolder(folder)) listed.emplace_back(entry.name, entry.isFolder);
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (std::vector<std::pair<std::u16string, bool>>{
                        {u".", true}, {u"..", true}, {u"Hidden", true}, {u"Lime", true}, {u"notes.txt", false}}));
  EXPECT_TRUE(ListFolder(folder + u"missing\\").empty());
}

TEST_F(WinTempFolder, ForceDirectoriesCreatesEveryMissingParent) {
  std::u16string deep = folder + u"a\\b\\c\\";
  EXPECT_FALSE(DirectoryExists(deep));
  EXPECT_TRUE(ForceDirectories(deep));
  EXPECT_TRUE(DirectoryExists(deep));
  EXPECT_FALSE(FileExists(deep));
  for (const char16_t* sub : {u"a\\b\\c", u"a\\b", u"a"}) {
    RemoveDirectoryW(Wide(folder + sub));
  }
}

TEST_F(WinTempFolder, ReplaceSwapsInTheNewContentsAndLeavesNoSource) {
  std::u16string target = folder + u"Pendra.xml";
  std::u16string source = folder + u"Pendra~tmp~backup~" + NewGuidText();
  WriteWholeFile(target, "old");
  WriteWholeFileDurably(source, "new");
  ReplaceFileAtomically(source, target);
  EXPECT_EQ(ReadWholeFile(target), "new");
  EXPECT_FALSE(FileExists(source));
}

TEST_F(WinTempFolder, ReadOnlyTargetIsReplacedOnceTheAttributeIsCleared) {
  std::u16string target = folder + u"Pendra.xml";
  std::u16string source = folder + u"new";
  WriteWholeFile(target, "old");
  SetReadOnly(target);
  ASSERT_TRUE(IsReadOnly(target));
  WriteWholeFile(source, "new");
  ClearReadOnly(target);
  EXPECT_FALSE(IsReadOnly(target));
  ReplaceFileAtomically(source, target);
  EXPECT_EQ(ReadWholeFile(target), "new");
  EXPECT_FALSE(IsReadOnly(target));
}

TEST_F(WinTempFolder, AFailedReplaceLeavesTheSourceInPlace) {
  std::u16string target = folder + u"Pendra.xml";
  std::u16string source = folder + u"new";
  ASSERT_TRUE(ForceDirectories(target));
  WriteWholeFile(source, "new");
  EXPECT_THROW(ReplaceFileAtomically(source, target), EInOutError);
  EXPECT_EQ(ReadWholeFile(source), "new");
  RemoveDirectoryW(Wide(target));
}

TEST_F(WinTempFolder, AFileIsInUseOnlyWhileAnotherHolderKeepsReadersOut) {
  const std::u16string path = folder + u"Pendra.xml";
  WriteWholeFile(path, "list");
  EXPECT_FALSE(FileInUse(path));
  EXPECT_FALSE(FileInUse(folder + u"missing.xml"));
  {
    UniqueHandle held(CreateFileW(Wide(path), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    EXPECT_TRUE(FileInUse(path));
    EXPECT_THROW(ReadWholeFile(path), EFOpenError);
  }
  EXPECT_FALSE(FileInUse(path));
  EXPECT_EQ(ReadWholeFile(path), "list");
}

TEST_F(WinTempFolder, FailuresOfTheFileStepsHaveTheirKinds) {
  EXPECT_THROW(ReadWholeFile(folder + u"missing.xml"), EFOpenError);
  EXPECT_THROW(WriteWholeFile(folder + u"no\\such\\folder\\x", "x"), EFCreateError);
  EXPECT_THROW(DeleteFileOrFail(folder + u"missing.xml"), EInOutError);
  EXPECT_THROW(ReplaceFileAtomically(folder + u"missing", folder + u"target"), EInOutError);
  ClearReadOnly(folder + u"missing.xml");  // a missing file is no failure
}

TEST_F(WinTempFolder, RenameRefusesAnExistingName) {
  WriteWholeFile(folder + u"VeVuVizo.xml", "legacy");
  WriteWholeFile(folder + u"~deprecated~VeVuVizo.xml", "older");
  EXPECT_FALSE(RenameFile(folder + u"VeVuVizo.xml", folder + u"~deprecated~VeVuVizo.xml"));
  EXPECT_EQ(ReadWholeFile(folder + u"VeVuVizo.xml"), "legacy");
  DeleteFileOrFail(folder + u"~deprecated~VeVuVizo.xml");
  EXPECT_TRUE(RenameFile(folder + u"VeVuVizo.xml", folder + u"~deprecated~VeVuVizo.xml"));
  EXPECT_FALSE(FileExists(folder + u"VeVuVizo.xml"));
}

}  // namespace pendra
