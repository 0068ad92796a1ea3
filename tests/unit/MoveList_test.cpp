#include "app/MoveList.h"

#include <gtest/gtest.h>

#include "GridFixtures.h"
#include "TempFolder.h"
#include "sheet/ListLocation.h"
#include "sheet/LoadSave.h"

namespace pendra {
namespace {

// A list of one column saved in the folder "old", and the per-user folder "home".
class MoveListTest : public ::testing::Test {
 protected:
  MoveListTest() {
    sheet.SetCell(0, 0, u"Aufgabe");
    sheet.SetCell(0, 1, u"mine");
    state.DataFolder = temp.Folder("old");
    EXPECT_TRUE(XMLSpeichern(sheet, state, kWindow).saved);
    edits.Begin();
  }
  ListMove MoveTo(const std::string& folder) {
    return MoveListTo(FromUtf8((temp.Path() / folder).string()), temp.Folder("home"), kWindow, sheet, state, edits,
                      sheet);
  }
  std::vector<std::u16string> Tasks() const {
    std::vector<std::u16string> tasks;
    for (int row = 1; row < sheet.RowCount(); ++row) tasks.push_back(sheet.Cell(0, row));
    return tasks;
  }

  static constexpr Rect kWindow{0, 0, 370, 211};
  TempFolder temp;
  ViewedSheet sheet{1, 2};
  DataFileState state;
  EditSession edits{sheet};
};

TEST_F(MoveListTest, TheListGoesIntoTheChosenFolderWhichIsRemembered) {
  temp.Folder("synced");
  const ListMove move = MoveTo("synced");
  EXPECT_TRUE(move.moved);
  EXPECT_TRUE(move.reports.Items().empty());
  EXPECT_EQ(state.DataFolder, temp.Folder("synced"));
  EXPECT_NE(temp.Read("synced/Pendra.xml").find("<Text>mine</Text>"), std::string::npos);
  EXPECT_FALSE(temp.Exists("old/Pendra.xml"));
  EXPECT_EQ(ChosenListFolder(temp.Folder("home")), temp.Folder("synced"));
}

TEST_F(MoveListTest, AListAlreadyThereComesTogetherWithThisOne) {
  ViewedSheet other(1, 3);
  other.SetCell(0, 0, u"Aufgabe");
  other.SetCell(0, 1, u"from the other PC");
  other.SetCell(0, 2, u"mine");
  DataFileState otherState;
  otherState.DataFolder = temp.Folder("synced");
  ASSERT_TRUE(XMLSpeichern(other, otherState, kWindow).saved);

  EXPECT_TRUE(MoveTo("synced").moved);
  EXPECT_EQ(Tasks(), (std::vector<std::u16string>{u"from the other PC", u"mine"}));  // each once, in its order there
  EXPECT_NE(temp.Read("synced/Pendra.xml").find("<Text>from the other PC</Text>"), std::string::npos);
  EXPECT_FALSE(temp.Exists("old/Pendra.xml"));
}

TEST_F(MoveListTest, AnUnreadableListThereIsReportedAndNothingMoves) {
  temp.Write("synced/Pendra.xml", "<VeVuVizo><ToDoContent>");
  const ListMove move = MoveTo("synced");
  EXPECT_FALSE(move.moved);
  ASSERT_EQ(move.reports.Items().size(), 1u);
  EXPECT_EQ(move.reports.Items()[0].title, u"Ort der Liste");
  EXPECT_EQ(state.DataFolder, temp.Folder("old"));
  EXPECT_TRUE(temp.Exists("old/Pendra.xml"));
  EXPECT_EQ(temp.Read("synced/Pendra.xml"), "<VeVuVizo><ToDoContent>");
  EXPECT_EQ(ChosenListFolder(temp.Folder("home")), u"");
}

}  // namespace
}  // namespace pendra
