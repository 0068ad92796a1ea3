#include "sheet/DataFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>

#include "FakeSheetWindow.h"
#include "TempFolder.h"
#include "platform/Folders.h"

namespace pendra {

namespace {

std::u16string IncludeTrailingSlash(std::u16string path) {
  if (path.empty() || path.back() != u'/') path += u'/';
  return path;
}

// A data file of the older version, whose sheet shows where it went.
const std::string kLegacyFile =
    "<VeVuVizo><WindowPosition><Left>10</Left><Top>20</Top><Width>400</Width><Height>300</Height></WindowPosition>"
    "<ColumnInfo><RowCount>1</RowCount><ColumnCount>1</ColumnCount></ColumnInfo><ColumnHeader><Column>"
    "<ColumnCaption>Alt</ColumnCaption><ColumnWidth>80</ColumnWidth><ColumnAlignment>LEFT</ColumnAlignment></Column>"
    "</ColumnHeader><ToDoContent><Column><Text>von fr&#xFC;her</Text></Column></ToDoContent></VeVuVizo>";

// A file the program wrote: UTF-8 with a byte-order mark and the declaration.
bool WrittenByASave(const std::string& bytes) { return bytes.rfind("\xEF\xBB\xBF<?xml", 0) == 0; }

// The executable's folder and a home whose application-data folder is <home>/.config.
class DataFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* home = std::getenv("HOME");
    if (home) savedHome_ = home;
    setenv("HOME", (temp.Path() / "home").c_str(), 1);
    window.state.ExeFolder = temp.Folder("exe");
  }
  void TearDown() override {
    setenv("HOME", savedHome_.c_str(), 1);
    SetCurrentDirectoryTo(FromUtf8(std::filesystem::temp_directory_path().string()));
  }
  std::u16string PerUser() const { return FromUtf8((temp.Path() / "home/.config/Pendra/").string()); }

  TempFolder temp;
  FakeSheetWindow window;
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
    bool expectSave;
    bool perUserFolderExists;
  };
  const Case cases[] = {
      {"beside the exe", {"exe/Pendra.xml"}, false, true, false, false, false},
      {"beside the exe wins over per-user, also with -p",
       {"exe/Pendra.xml", "home/.config/Pendra/Pendra.xml"},
       true,
       true,
       false,
       false,
       true},
      {"per-user", {"home/.config/Pendra/Pendra.xml"}, false, true, true, false, true},
      {"per-user even with -p", {"home/.config/Pendra/Pendra.xml"}, true, true, true, false, true},
      {"nothing: per-user folder for the new file", {}, false, false, true, false, true},
      {"nothing with -p: beside the exe", {}, true, false, false, false, false},
      {"legacy file taken over into the per-user folder", {"exe/VeVuVizo.xml"}, false, true, true, true, true},
      {"legacy file taken over beside the exe with -p", {"exe/VeVuVizo.xml"}, true, true, false, true, false},
      {"legacy ignored once a data file exists",
       {"exe/VeVuVizo.xml", "home/.config/Pendra/Pendra.xml"},
       false,
       true,
       true,
       false,
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder fresh;
    setenv("HOME", (fresh.Path() / "home").c_str(), 1);
    FakeSheetWindow w;
    PendraUnitState& s = w.state;
    s.ExeFolder = fresh.Folder("exe");
    s.Switches.PortableMode = c.portable;
    for (const std::string& f : c.files) fresh.Write(f, f.ends_with("VeVuVizo.xml") ? kLegacyFile : "<x/>");

    EXPECT_EQ(FindDataFolder(w), c.expectedResult);

    const std::string expectedFolder = c.expectPerUserFolder ? "home/.config/Pendra/" : "exe/";
    EXPECT_EQ(s.DataFolder, FromUtf8((fresh.Path() / expectedFolder).string()));
    EXPECT_EQ(IncludeTrailingSlash(CurrentDirectory()), s.DataFolder);
    EXPECT_EQ(WrittenByASave(fresh.Read(expectedFolder + "Pendra.xml")), c.expectSave);
    EXPECT_TRUE(w.reports.empty());
    EXPECT_EQ(fresh.Exists("home/.config/Pendra"), c.perUserFolderExists);
  }
}

TEST_F(DataFolderTest, AFolderChosenForTheListTakesThePerUserFoldersPlace) {
  struct Case {
    const char* name;
    std::vector<std::string> files;
    std::string location;  // the remembered folder's text; "{synced}" for the synced folder
    bool portable;
    std::string expectedFolder;
    bool expectedResult;
  };
  const Case cases[] = {
      {"the list in the chosen folder",
       {"synced/Pendra.xml", "home/.config/Pendra/Pendra.xml"},
       "{synced}",
       false,
       "synced/",
       true},
      {"a chosen folder without a list yet is made for the new one", {}, "{synced}", false, "synced/", false},
      {"also with -p", {}, "{synced}", true, "synced/", false},
      {"beside the exe still wins", {"exe/Pendra.xml", "synced/Pendra.xml"}, "{synced}", false, "exe/", true},
      {"a damaged location is none",
       {"home/.config/Pendra/Pendra.xml"},
       "\x01\x02",
       false,
       "home/.config/Pendra/",
       true},
      {"an empty location is none", {"home/.config/Pendra/Pendra.xml"}, "", false, "home/.config/Pendra/", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder fresh;
    setenv("HOME", (fresh.Path() / "home").c_str(), 1);
    FakeSheetWindow w;
    w.state.ExeFolder = fresh.Folder("exe");
    w.state.Switches.PortableMode = c.portable;
    for (const std::string& f : c.files) fresh.Write(f, "<x/>");
    const std::string synced = (fresh.Path() / "synced").string();
    fresh.Write("home/.config/Pendra/ListLocation.txt", c.location == "{synced}" ? synced + "\r\n" : c.location);

    EXPECT_EQ(FindDataFolder(w), c.expectedResult);
    EXPECT_EQ(w.state.DataFolder, FromUtf8((fresh.Path() / c.expectedFolder).string()));
    EXPECT_TRUE(fresh.Exists(c.expectedFolder));
  }
}

TEST_F(DataFolderTest, LegacyTakeOverLoadsRenamesAndSavesInTheNewFolder) {
  temp.Write("exe/VeVuVizo.xml", kLegacyFile);
  window.state.ExpandState = ExpandStates::NotSetUp;
  EXPECT_TRUE(FindDataFolder(window));
  EXPECT_EQ(window.Row(0), u"Alt");
  EXPECT_EQ(window.Row(1), u"von früher");
  EXPECT_TRUE(window.reports.empty());
  const std::string saved = temp.Read("home/.config/Pendra/Pendra.xml");
  EXPECT_TRUE(WrittenByASave(saved));
  EXPECT_NE(saved.find("<Text>von fr&#xFC;her</Text>"), std::string::npos);
  EXPECT_EQ(IncludeTrailingSlash(CurrentDirectory()), PerUser());
  EXPECT_EQ(window.state.ExpandState, ExpandStates::Expanded);
  EXPECT_FALSE(temp.Exists("exe/VeVuVizo.xml"));
  EXPECT_TRUE(temp.Exists("exe/~deprecated~VeVuVizo.xml"));
}

TEST_F(DataFolderTest, LegacyFileKeepsItsNameWhenTheDeprecatedNameIsTaken) {
  temp.Write("exe/VeVuVizo.xml", kLegacyFile);
  temp.Write("exe/~deprecated~VeVuVizo.xml", "old");
  EXPECT_TRUE(FindDataFolder(window));
  EXPECT_TRUE(WrittenByASave(temp.Read("home/.config/Pendra/Pendra.xml")));
  EXPECT_TRUE(window.reports.empty());
  EXPECT_EQ(temp.Read("exe/VeVuVizo.xml"), kLegacyFile);
  EXPECT_EQ(temp.Read("exe/~deprecated~VeVuVizo.xml"), "old");
}

TEST_F(DataFolderTest, AFolderThatCannotBeCreatedIsReportedAndGivesAFirstSheet) {
  temp.Write("home", "a file where the home folder should be");
  temp.Write("exe/VeVuVizo.xml", kLegacyFile);
  EXPECT_FALSE(FindDataFolder(window));
  EXPECT_EQ(window.reports,
            std::vector<std::u16string>{u"Fehler: Ein unbekannte Fehler ist aufgetreten bei Laden der ini Datei"});
  EXPECT_EQ(temp.Read("exe/VeVuVizo.xml"), kLegacyFile);  // taken over at a later start
}

TEST_F(DataFolderTest, ALegacyFileWhoseSheetCouldNotBeSavedKeepsItsName) {
  temp.Write("exe/VeVuVizo.xml", kLegacyFile);
  std::filesystem::create_directories(temp.Path() / "exe/Pendra.xml");  // the save cannot replace it
  window.state.Switches.PortableMode = true;
  EXPECT_TRUE(FindDataFolder(window));
  EXPECT_EQ(window.reports.size(), 1u);  // the save's own report
  EXPECT_TRUE(temp.Exists("exe/VeVuVizo.xml"));
  EXPECT_FALSE(temp.Exists("exe/~deprecated~VeVuVizo.xml"));
}

TEST(PerUserDataFolder, FallsBackToTheRootOfTheCurrentDrive) {
  EXPECT_EQ(PerUserDataFolder(u"", u"/var/tmp"), u"/Pendra/");
  EXPECT_EQ(PerUserDataFolder(u"/home/u/.config", u"/"), u"/home/u/.config/Pendra/");
  EXPECT_EQ(PerUserDataFolder(u"/home/u/.config/", u"/"), u"/home/u/.config/Pendra/");
}

// The take-over of an older version's file saves at once: what an earlier run's save left must
// not look older than the list by then.
TEST_F(DataFolderTest, TheDataFolderIsTidiedBeforeTheFirstSave) {
  window.state.Switches.PortableMode = true;
  temp.Write("exe/VeVuVizo.xml", kLegacyFile);
  temp.Write("exe/Pendra~tmp~backup~{1}", kLegacyFile + "<!-- left by a kill -->");
  EXPECT_TRUE(FindDataFolder(window));
  size_t recovered = 0;
  for (const auto& entry : std::filesystem::directory_iterator(temp.Path() / "exe")) {
    const std::string name = entry.path().filename();
    EXPECT_EQ(name.rfind("Pendra~tmp~", 0), std::string::npos) << name;
    if (name.rfind("Pendra~recovered~", 0) == 0)
      recovered += temp.Read("exe/" + name) == kLegacyFile + "<!-- left by a kill -->";
  }
  EXPECT_EQ(recovered, 1u);
  EXPECT_EQ(window.reports.size(), 1u);
}

}  // namespace pendra
