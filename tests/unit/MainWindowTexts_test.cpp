#include "lang/MainWindowTexts.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "lang/TextsDeutsch.h"
#include "lang/TextsEnglish.h"

namespace pendra {

namespace {

using Expected = std::vector<std::pair<std::string, std::u16string>>;

// A table's texts of the main window, control by control in the order of the window's design.
Expected Read(const LanguageTexts& texts) {
  const MenuTexts& menu = texts.menu;
  const HintTexts& hints = texts.hints;
  return {
      {"mnuChangeTitle", menu.changeTitle},
      {"mnuMakeTitleBoldDeaktiv", menu.titleBold},
      {"mnuMakeTitleBoldAktiv", menu.titleBold},
      {"mnuTitleFettDeaktiv", menu.titleBold},
      {"mnuTitleFettAktiv", menu.titleBold},
      {"mnuShowGridLinesDeaktiv", menu.gridLines},
      {"mnuShowGridLinesAktiv", menu.gridLines},
      {"mnuThisColumn", menu.thisColumn},
      {"mnuLeftAlign", menu.leftAlign},
      {"mnuCenterAlign", menu.centerAlign},
      {"mnuRightAlign", menu.rightAlign},
      {"mnuAddRow", menu.addRow},
      {"mnuDeleteRow", menu.deleteRow},
      {"mnuAddColumn", menu.addColumn},
      {"mnuDeleteColumn", menu.deleteColumn},
      {"mnuSkin", menu.skin},
      {"mnuNoSkin", menu.noSkin},
      {"mnuOpenFolderHere", menu.openFolderHere},
      {"mnuAbout", menu.about},
      {"mnuExit", menu.exit},
      {"ImageRedButtonAufklapper", hints.redBarCollapse},
      {"PanelExitIcon", hints.exit},
      {"PanelMinimizeIcon", hints.minimize},
      {"PanelPlusRow", hints.addRow},
      {"PanelMinusRow", hints.deleteRow},
      {"PanelPlusColumn", hints.addColumn},
      {"PanelMinusColumn", hints.deleteColumn},
  };
}

const Expected kGermanWindowTexts = {
    {"mnuChangeTitle", u"&Titelzeile ändern"},
    {"mnuMakeTitleBoldDeaktiv", u"Titelzeile &Fett"},
    {"mnuMakeTitleBoldAktiv", u"Titelzeile &Fett"},
    {"mnuTitleFettDeaktiv", u"Titelzeile &Fett"},
    {"mnuTitleFettAktiv", u"Titelzeile &Fett"},
    {"mnuShowGridLinesDeaktiv", u"Tabellen-Linien &malen"},
    {"mnuShowGridLinesAktiv", u"Tabellen-Linien &malen"},
    {"mnuThisColumn", u"&Spalte..."},
    {"mnuLeftAlign", u"&Linksbündig"},
    {"mnuCenterAlign", u"&Zentriert"},
    {"mnuRightAlign", u"&Rechtsbündig"},
    {"mnuAddRow", u"&Neue Zeile hinzufügen"},
    {"mnuDeleteRow", u"Letzte Zeile &entfernen"},
    {"mnuAddColumn", u"Neue Spalte &hinzufügen"},
    {"mnuDeleteColumn", u"&Letzte Spalte entfernen"},
    {"mnuSkin", u"&Skin ..."},
    {"mnuNoSkin", u"&Kein Skin"},
    {"mnuOpenFolderHere", u"Datei Ordner hier &öffnen"},
    {"mnuAbout", u"Über Pendra"},
    {"mnuExit", u"&Beenden"},
    {"ImageRedButtonAufklapper", u"Zum Verkleinern auf den roten Balken klicken"},
    {"PanelExitIcon", u"Beenden"},
    {"PanelMinimizeIcon", u"Minimieren"},
    {"PanelPlusRow", u"Neue Zeile hinzufügen"},
    {"PanelMinusRow", u"Letzte Zeile entfernen"},
    {"PanelPlusColumn", u"Neue Spalte hinzufügen"},
    {"PanelMinusColumn", u"Letzte Spalte entfernen"},
};

const Expected kEnglishWindowTexts = {
    {"mnuChangeTitle", u"Change &Title Text"},
    {"mnuMakeTitleBoldDeaktiv", u"Title &Bold"},
    {"mnuMakeTitleBoldAktiv", u"Title &Bold"},
    {"mnuTitleFettDeaktiv", u"Title &Bold"},
    {"mnuTitleFettAktiv", u"Title &Bold"},
    {"mnuShowGridLinesDeaktiv", u"Draw &Grid Lines"},
    {"mnuShowGridLinesAktiv", u"Draw &Grid Lines"},
    {"mnuThisColumn", u"&Column ..."},
    {"mnuLeftAlign", u"Left Align"},
    {"mnuCenterAlign", u"Center Align"},
    {"mnuRightAlign", u"RightAlign"},
    {"mnuAddRow", u"&Add Row"},
    {"mnuDeleteRow", u"&Delete Row"},
    {"mnuAddColumn", u"A&dd Column"},
    {"mnuDeleteColumn", u"D&elete Column"},
    {"mnuSkin", u"&Skin ..."},
    {"mnuNoSkin", u"No Skin"},
    {"mnuOpenFolderHere", u"&Open File Folder"},
    {"mnuAbout", u"&About Pendra"},
    {"mnuExit", u"E&xit"},
    {"ImageRedButtonAufklapper", u"To make small click on the red bar"},
    {"PanelExitIcon", u"Exit"},
    {"PanelMinimizeIcon", u"Minimize"},
    {"PanelPlusRow", u"Add Row"},
    {"PanelMinusRow", u"Delete Row"},
    {"PanelPlusColumn", u"Add Column"},
    {"PanelMinusColumn", u"Delete Column"},
};

}  // namespace

// Every control once; the four title-bold items end with one caption, the two grid-line items
// with another.
TEST(MainWindowTexts, EachLanguageHasItsTextsForEveryControl) {
  EXPECT_EQ(Read(kDeutschTexts), kGermanWindowTexts);
  EXPECT_EQ(Read(kEnglishTexts), kEnglishWindowTexts);
}

// The window is made with the build's texts: the native build speaks German.
TEST(MainWindowTexts, TheNamesGiveTheBuildsTexts) {
  EXPECT_EQ(std::u16string(kMenuAbout), u"Über Pendra");
  EXPECT_EQ(std::u16string(kMenuTitleBold), u"Titelzeile &Fett");
  EXPECT_EQ(std::u16string(kMenuTitleFett), u"Titelzeile &Fett");
  EXPECT_EQ(std::u16string(kHintRedBar), u"Zum Verkleinern auf den roten Balken klicken");
  EXPECT_EQ(std::u16string(kHintAddRow), u"Neue Zeile hinzufügen");
}

}  // namespace pendra
