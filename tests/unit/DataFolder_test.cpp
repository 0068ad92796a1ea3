#include "sheet/DataFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "platform/Folders.h"

namespace pendra {

namespace {

std::u16string IncludeTrailingSlash(std::u16string path) {
  if (path.empty() || path.back() != u'/') path += u'/';
  return path;
}

struct RecordedActions : DataFolderActions {
  std::vector<std::u16string> loaded;
  int saves = 0;
  std::vector<std::u16string> errors;
  std::u16string folderSeenBySave;
  void XMLLaden(const std::u16string& path) override { loaded.push_back(path); }
  void XMLSpeichern() override {
    ++saves;
    folderSeenBySave = CurrentDirectory();
  }
  void ShowErrorMessageBox(const std::u16string& text, const std::u16string&) override { errors.push_back(text); }
};

// The executable's folder and a home whose application-data folder is <home>/.config.
class DataFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* home = std::getenv("HOME");
    if (home) savedHome_ = home;
    setenv("HOME", (temp.Path() / "home").c_str(), 1);
    state.ExeFolder = temp.Folder("exe");
  }
  void TearDown() override {
    setenv("HOME", savedHome_.c_str(), 1);
    SetCurrentDirectoryTo(FromUtf8(std::filesystem::temp_directory_path().string()));
  }
  std::u16string PerUser() const { return FromUtf8((temp.Path() / "home/.config/Pendra/").string()); }

  TempFolder temp;
  PendraUnitState state;
  RecordedActions actions;
  std::string savedHome_;
};

}  // namespace

TEST_F(DataFolderTest, DecidesWhereTheDataFileLives) {
  struct Case {
    const char* name;
    std::vector<std::string> files;
    bool portable;
    bool expectedResult;
    bool expectPerUserFolder;  // else the executable's folder
    int expectedSaves;
    bool perUserFolderExists;
  };
  const Case cases[] = {
      {"beside the exe", {"exe/Pendra.xml"}, false, true, false, 0, false},
      {"beside the exe wins over per-user, also with -p",
       {"exe/Pendra.xml", "home/.config/Pendra/Pendra.xml"},
       true,
       true,
       false,
       0,
       true},
      {"per-user", {"home/.config/Pendra/Pendra.xml"}, false, true, true, 0, true},
      {"per-user even with -p", {"home/.config/Pendra/Pendra.xml"}, true, true, true, 0, true},
      {"nothing: per-user folder for the new file", {}, false, false, true, 0, true},
      {"nothing with -p: beside the exe", {}, true, false, false, 0, false},
      {"legacy file taken over into the per-user folder", {"exe/VeVuVizo.xml"}, false, true, true, 1, true},
      {"legacy file taken over beside the exe with -p", {"exe/VeVuVizo.xml"}, true, true, false, 1, false},
      {"legacy ignored once a data file exists",
       {"exe/VeVuVizo.xml", "home/.config/Pendra/Pendra.xml"},
       false,
       true,
       true,
       0,
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder fresh;
    setenv("HOME", (fresh.Path() / "home").c_str(), 1);
    PendraUnitState s;
    s.ExeFolder = fresh.Folder("exe");
    s.Switches.PortableMode = c.portable;
    for (const std::string& f : c.files) fresh.Write(f, "<x/>");
    RecordedActions a;

    EXPECT_EQ(ResolveDataFolder(s, a), c.expectedResult);

    std::u16string expectedFolder =
        c.expectPerUserFolder ? FromUtf8((fresh.Path() / "home/.config/Pendra/").string()) : s.ExeFolder;
    EXPECT_EQ(s.DataFolder, expectedFolder);
    EXPECT_EQ(IncludeTrailingSlash(CurrentDirectory()), expectedFolder);
    EXPECT_EQ(a.saves, c.expectedSaves);
    EXPECT_TRUE(a.errors.empty());
    EXPECT_EQ(fresh.Exists("home/.config/Pendra"), c.perUserFolderExists);
  }
}

TEST_F(DataFolderTest, LegacyTakeOverLoadsRenamesAndSavesInTheNewFolder) {
  temp.Write("exe/VeVuVizo.xml", "<x/>");
  EXPECT_TRUE(ResolveDataFolder(state, actions));
  ASSERT_EQ(actions.loaded.size(), 1u);
  EXPECT_EQ(actions.loaded[0], state.ExeFolder + u"VeVuVizo.xml");
  EXPECT_EQ(actions.saves, 1);
  EXPECT_EQ(IncludeTrailingSlash(actions.folderSeenBySave), PerUser());
  EXPECT_EQ(state.ExpandState, ExpandStates::Expanded);
  EXPECT_FALSE(temp.Exists("exe/VeVuVizo.xml"));
  EXPECT_TRUE(temp.Exists("exe/~deprecated~VeVuVizo.xml"));
}

TEST_F(DataFolderTest, LegacyFileKeepsItsNameWhenTheDeprecatedNameIsTaken) {
  temp.Write("exe/VeVuVizo.xml", "new");
  temp.Write("exe/~deprecated~VeVuVizo.xml", "old");
  EXPECT_TRUE(ResolveDataFolder(state, actions));
  EXPECT_EQ(actions.saves, 1);
  EXPECT_TRUE(actions.errors.empty());
  EXPECT_EQ(temp.Read("exe/VeVuVizo.xml"), "new");
  EXPECT_EQ(temp.Read("exe/~deprecated~VeVuVizo.xml"), "old");
}

TEST_F(DataFolderTest, AFolderThatCannotBeCreatedIsReportedAndGivesAFirstSheet) {
  temp.Write("home", "a file where the home folder should be");
  EXPECT_FALSE(ResolveDataFolder(state, actions));
  ASSERT_EQ(actions.errors.size(), 1u);
  EXPECT_EQ(actions.errors[0], u"Ein unbekannte Fehler ist aufgetreten bei Laden der ini Datei");
}

TEST(PerUserDataFolder, FallsBackToTheRootOfTheCurrentDrive) {
  EXPECT_EQ(PerUserDataFolder(u"", u"/var/tmp"), u"/Pendra/");
  EXPECT_EQ(PerUserDataFolder(u"/home/u/.config", u"/"), u"/home/u/.config/Pendra/");
  EXPECT_EQ(PerUserDataFolder(u"/home/u/.config/", u"/"), u"/home/u/.config/Pendra/");
}

}  // namespace pendra
