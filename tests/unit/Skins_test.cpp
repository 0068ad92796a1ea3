#include "skins/Skins.h"

#include <gtest/gtest.h>

#include "FakeSheetWindow.h"
#include "GfxFixtures.h"
#include "TempFolder.h"

namespace pendra {

namespace {

using test::ReadGfxFixture;

// The program lives in <temp>/Tools/Pendra/; candidates beside it are made as a test needs them.
class SkinsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.state.ExeFolder = temp.Folder("Tools/Pendra");
    window.sheet.SetSkinName(kNoSkinName);
  }
  std::u16string Tools() const { return temp.Folder("Tools"); }

  TempFolder temp;
  FakeSheetWindow window;
};

TEST_F(SkinsTest, TheFirstRunTriesSevenCandidatesAndTheMenuTheFourBesideTheProgram) {
  const std::u16string exe = window.state.ExeFolder;
  const std::u16string tools = Tools();
  Reports reports;
  EXPECT_EQ(
      SkinBaseCandidates(reports, window.state.ExeFolder, SkinSearch::FirstRun),
      (std::vector<std::u16string>{exe + u"Skins", tools + u"Skins/", tools + u"Kastrel/Skins/",
                                   u"C:\\Program Files (x86)\\Kastrel\\Skins\\", u"C:\\Program Files\\Kastrel\\Skins\\",
                                   u"C:\\Programme\\Kastrel\\Skins\\", tools + u"KS/Skins/"}));
  EXPECT_EQ(SkinBaseCandidates(reports, window.state.ExeFolder, SkinSearch::Menu),
            (std::vector<std::u16string>{exe + u"Skins", tools + u"Skins/", tools + u"Kastrel/Skins/",
                                         tools + u"KS/Skins/"}));
}

// A program that runs from a share finds its skins there; a share only the data file names is
// never asked.
TEST_F(SkinsTest, ASavedSkinPathIsFollowedOnALocalDriveOrWhenItIsAKnownFolder) {
  const std::u16string local = temp.Folder("Skins");
  window.state.ExeFolder = u"\\\\server\\tools\\Pendra\\";
  const struct {
    std::u16string path;
    bool followed;
  } cases[] = {
      {u"\\\\server\\tools\\Pendra\\Skins\\", true},
      {u"\\\\SERVER\\Tools\\Kastrel\\Skins", true},
      {u"\\\\server\\tools\\Other\\Skins\\", false},
      {u"\\\\host\\share\\Skins\\", false},
      {u"//host/share/Skins/", false},
      {local, true},
  };
  Reports reports;
  for (const auto& c : cases)
    EXPECT_EQ(MayFollowSavedSkinPath(reports, window.state.ExeFolder, c.path), c.followed) << ToUtf8(c.path);
  ShowReports(window, reports);
  EXPECT_TRUE(window.reports.empty());
}

TEST_F(SkinsTest, TheSearchTakesTheFirstExistingCandidateOrKeepsAnExistingSkinPath) {
  struct Case {
    const char* name;
    std::vector<std::string> folders;  // below <temp>
    std::string restoredPath;          // below <temp>; "" for none, " " as after "No Skin"
    bool found;
    std::string skinPath;  // below <temp>, when found
  };
  const Case cases[] = {
      {"beside the program", {"Tools/Pendra/Skins"}, "", true, "Tools/Pendra/Skins/"},
      {"beside the program's folder", {"Tools/Skins"}, "", true, "Tools/Skins/"},
      {"the sister product's", {"Tools/Kastrel/Skins"}, "", true, "Tools/Kastrel/Skins/"},
      {"the last candidate", {"Tools/KS/Skins"}, "", true, "Tools/KS/Skins/"},
      {"the first of several", {"Tools/KS/Skins", "Tools/Kastrel/Skins", "Tools/Skins"}, "", true, "Tools/Skins/"},
      {"a candidate wins over a restored path", {"Tools/Skins", "Elsewhere"}, "Elsewhere/", true, "Tools/Skins/"},
      {"a restored path without candidates", {"Elsewhere"}, "Elsewhere", true, "Elsewhere/"},
      {"none", {}, "", false, ""},
      {"none after no skin", {}, " ", false, ""},
      {"a restored path that is gone", {}, "Gone/", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder root;
    window.state.ExeFolder = root.Folder("Tools/Pendra");
    for (const std::string& folder : c.folders) root.Folder(folder);
    const std::u16string restored =
        c.restoredPath.empty() || c.restoredPath == " " ? FromUtf8(c.restoredPath) : root.File(c.restoredPath);
    window.sheet.SetSkinPath(restored);
    Reports reports;
    const bool found =
        SearchSkinBaseFolder(window.sheet, SkinBaseCandidates(reports, window.state.ExeFolder, SkinSearch::FirstRun));
    EXPECT_EQ(found, c.found);
    EXPECT_EQ(window.sheet.SkinPath(), c.found ? root.File(c.skinPath) : restored);
  }
}

TEST_F(SkinsTest, AFirstRunLoadsThePreferredSkinOfTheFirstBaseFolderOnly) {
  struct Case {
    const char* name;
    std::vector<std::string> folders;  // below Tools/
    std::string skinName;
    std::string skinPath;  // below Tools/
  };
  const Case cases[] = {
      {"Lime before Vista", {"Pendra/Skins/Vista", "Pendra/Skins/Lime"}, "Lime", "Pendra/Skins"},
      {"the last of the list", {"KS/Skins/Silver", "KS/Skins/Zebra"}, "Silver", "KS/Skins"},
      {"only the first base folder counts", {"Pendra/Skins/Mine", "Kastrel/Skins/Lime"}, "No Skin", "Pendra/Skins"},
      {"names are exact", {"Skins/lime"}, "No Skin", "Skins"},
      {"no base folder", {}, "No Skin", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder root;
    FakeSheetWindow fresh;
    fresh.state.ExeFolder = root.Folder("Tools/Pendra");
    fresh.sheet.SetSkinName(kNoSkinName);
    for (const std::string& folder : c.folders) root.Folder("Tools/" + folder);
    ChooseFirstSkin(fresh);
    EXPECT_EQ(fresh.sheet.SkinName(), FromUtf8(c.skinName));
    EXPECT_EQ(fresh.sheet.SkinPath(), c.skinPath.empty() ? u"" : root.Folder("Tools/" + c.skinPath));
    EXPECT_EQ(fresh.skinLoads, c.skinName == "No Skin" ? 0 : 1);
    EXPECT_EQ(fresh.reports, std::vector<std::u16string>{});
  }
}

// A skin folder whose pictures are given by name: "jpeg" a good picture, anything else its bytes,
// "folder" a folder of the picture's name, a missing name no file.
class SkinPicturesTest : public ::testing::Test {
 protected:
  std::vector<SkinPart> Load(const std::map<std::string, std::string>& files) {
    TempFolder skin;
    for (const auto& [name, content] : files) {
      if (content == "folder") {
        skin.Folder(name);
      } else {
        skin.Write(name, content == "jpeg" ? ReadGfxFixture("quadrants.jpg") : content);
      }
    }
    std::vector<SkinPart> applied;
    complete = LoadSkinPictures(skin.Folder(), [&](SkinPart part, const Picture& picture) {
      EXPECT_GT(picture.width, 0);
      applied.push_back(part);
    });
    return applied;
  }
  bool complete = false;
};

TEST_F(SkinPicturesTest, AllFivePicturesAreAppliedInTheirOrder) {
  EXPECT_EQ(
      Load({{"Right.JPG", "jpeg"},
            {"Top.JPG", "jpeg"},
            {"Down.JPG", "jpeg"},
            {"TopRight.JPG", "jpeg"},
            {"DownRight.JPG", "jpeg"}}),
      (std::vector<SkinPart>{SkinPart::Right, SkinPart::Top, SkinPart::Down, SkinPart::TopRight, SkinPart::DownRight}));
  EXPECT_TRUE(complete);
}

TEST_F(SkinPicturesTest, TheFirstMissingOrBadPictureEndsTheLoadingAndKeepsWhatCameBefore) {
  std::string huge = ReadGfxFixture("quadrants.jpg");
  huge.replace(huge.find("\xFF\xC0") + 5, 4, "\xEA\x60\xEA\x60");  // claims 60000 × 60000
  struct Case {
    const char* name;
    std::map<std::string, std::string> files;
    std::vector<SkinPart> applied;
  };
  const Case cases[] = {
      {"no right picture", {{"Top.JPG", "jpeg"}, {"Down.JPG", "jpeg"}}, {}},
      {"no bottom picture", {{"Right.JPG", "jpeg"}, {"Top.JPG", "jpeg"}}, {SkinPart::Right, SkinPart::Top}},
      {"a folder in a picture's place", {{"Right.JPG", "folder"}}, {}},
      {"a PNG under a JPEG's name",
       {{"Right.JPG", "jpeg"}, {"Top.JPG", ReadGfxFixture("grey1.png")}},
       {SkinPart::Right}},
      {"a cut-off picture", {{"Right.JPG", ReadGfxFixture("quadrants.jpg").substr(0, 300)}}, {}},
      {"a huge picture", {{"Right.JPG", huge}}, {}},
      {"an empty file", {{"Right.JPG", ""}}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Load(c.files), c.applied);
    EXPECT_FALSE(complete);
  }
}

TEST(SkinPicture, AFileBeyondTheSizeLimitIsRefusedUnread) {
  TempFolder folder;
  std::string big = ReadGfxFixture("quadrants.jpg");
  big.resize(kMaxSkinFileSize + 1, '\0');
  folder.Write("Right.JPG", big);
  EXPECT_THROW(LoadSkinPicture(folder.File("Right.JPG")), EInvalidGraphic);
}

}  // namespace

}  // namespace pendra
