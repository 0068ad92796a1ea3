#include "ui/AccessibleNames.h"

#include <gtest/gtest.h>

namespace pendra {
namespace {

// Captions "Prio", "" and "Zeit"; one task with an empty and a blank cell.
class AccessibleNamesTest : public ::testing::Test {
 protected:
  AccessibleNamesTest() : sheet(3, 3) {
    sheet.SetCell(0, 0, u"Prio");
    sheet.SetCell(2, 0, u"Zeit");
    sheet.SetCell(0, 1, u"Hoch");
    sheet.SetCell(1, 1, u"Zahnarzt & Steuer");
    sheet.SetCell(2, 1, u"  ");
  }
  Sheet sheet;
};

TEST_F(AccessibleNamesTest, ACellSaysItsCaptionAndItsTextOrThatItIsEmpty) {
  const struct {
    int col, row;
    std::u16string name;
  } cases[] = {
      {0, 1, u"Prio: Hoch"}, {1, 1, u"Spalte 2: Zahnarzt & Steuer"},  // a column without a caption goes by its number
      {2, 1, u"Zeit: leer"},                                          // blanks only
      {0, 2, u"Prio: leer"},                                          // never written
      {0, 0, u"Prio"},                                                // a title cell is its caption
      {1, 0, u"Spalte 2"},
  };
  for (const auto& c : cases) EXPECT_EQ(AccessibleCellName(sheet, c.col, c.row), c.name) << c.col << "," << c.row;
}

TEST_F(AccessibleNamesTest, ARowSaysItsCellsInOrder) {
  EXPECT_EQ(AccessibleRowName(sheet, 0), u"Prio, Spalte 2, Zeit");
  EXPECT_EQ(AccessibleRowName(sheet, 1), u"Prio: Hoch, Spalte 2: Zahnarzt & Steuer, Zeit: leer");
}

TEST_F(AccessibleNamesTest, TheEditorIsNamedAfterTheColumnItEdits) {
  EXPECT_EQ(AccessibleEditorName(sheet, 2, 1), u"Zeit");
  EXPECT_EQ(AccessibleEditorName(sheet, 1, 2), u"Spalte 2");
  // The title's editor edits the caption itself.
  EXPECT_EQ(AccessibleEditorName(sheet, 0, 0), u"Spalte 1");
}

}  // namespace
}  // namespace pendra
