#include "lang/MainWindowTexts.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace pendra {

namespace {

using C = MainWindowControl;
using Expected = std::vector<std::pair<MainWindowControl, std::u16string>>;

Expected Read(const std::vector<ControlText>& texts) {
  Expected read;
  for (const ControlText& setting : texts) read.emplace_back(setting.control, setting.text);
  return read;
}

const Expected kGerman = {
    {C::mnuChangeTitle, u"&Titelzeile ändern"},
    {C::mnuMakeTitleBoldDeaktiv, u"Titelzeile &Fett"},
    {C::mnuMakeTitleBoldAktiv, u"Titelzeile &Fett"},
    {C::mnuTitleFettDeaktiv, u"Titelzeile &Fett"},
    {C::mnuTitleFettAktiv, u"Titelzeile &Fett"},
    {C::mnuShowGridLinesDeaktiv, u"Tabellen-Linien &malen"},
    {C::mnuShowGridLinesAktiv, u"Tabellen-Linien &malen"},
    {C::mnuThisColumn, u"&Spalte..."},
    {C::mnuLeftAlign, u"&Linksbündig"},
    {C::mnuCenterAlign, u"&Zentriert"},
    {C::mnuRightAlign, u"&Rechtsbündig"},
    {C::mnuAddRow, u"&Neue Zeile hinzufügen"},
    {C::mnuDeleteRow, u"Letzte Zeile &entfernen"},
    {C::mnuAddColumn, u"Neue Spalte &hinzufügen"},
    {C::mnuDeleteColumn, u"&Letzte Spalte entfernen"},
    {C::mnuSkin, u"&Skin ..."},
    {C::mnuNoSkin, u"&Kein Skin"},
    {C::mnuOpenFolderHere, u"Datei Ordner hier &öffnen"},
    {C::mnuAbout, u"Über Pendra"},
    {C::mnuExit, u"&Beenden"},
    {C::ImageRedButtonAufklapper, u"Zum Verkleinern auf den roten Balken klicken"},
    {C::PanelExitIcon, u"Beenden"},
    {C::PanelMinimizeIcon, u"Minimieren"},
    {C::PanelPlusRow, u"Neue Zeile hinzufügen"},
    {C::PanelMinusRow, u"Letzte Zeile entfernen"},
    {C::PanelPlusColumn, u"Neue Spalte hinzufügen"},
    {C::PanelMinusColumn, u"Letzte Spalte entfernen"},
};

const Expected kEnglish = {
    {C::mnuChangeTitle, u"Change &Title Text"},
    {C::mnuMakeTitleBoldDeaktiv, u"Title &Bold"},
    {C::mnuMakeTitleBoldAktiv, u"Title &Bold"},
    {C::mnuTitleFettDeaktiv, u"Title &Bold"},
    {C::mnuTitleFettAktiv, u"Title &Bold"},
    {C::mnuShowGridLinesDeaktiv, u"Draw &Grid Lines"},
    {C::mnuShowGridLinesAktiv, u"Draw &Grid Lines"},
    {C::mnuThisColumn, u"&Column ..."},
    {C::mnuLeftAlign, u"Left Align"},
    {C::mnuCenterAlign, u"Center Align"},
    {C::mnuRightAlign, u"RightAlign"},
    {C::mnuAddRow, u"&Add Row"},
    {C::mnuDeleteRow, u"&Delete Row"},
    {C::mnuAddColumn, u"A&dd Column"},
    {C::mnuDeleteColumn, u"D&elete Column"},
    {C::mnuSkin, u"&Skin ..."},
    {C::mnuNoSkin, u"No Skin"},
    {C::mnuOpenFolderHere, u"&Open File Folder"},
    {C::mnuAbout, u"&About Pendra"},
    {C::mnuExit, u"E&xit"},
    {C::ImageRedButtonAufklapper, u"To make small click on the red bar"},
    {C::PanelExitIcon, u"Exit"},
    {C::PanelMinimizeIcon, u"Minimize"},
    {C::PanelPlusRow, u"Add Row"},
    {C::PanelMinusRow, u"Delete Row"},
    {C::PanelPlusColumn, u"Add Column"},
    {C::PanelMinusColumn, u"Delete Column"},
};

}  // namespace

// Every control once, in the order Internationalization sets them; the German texts for every
// language but ENGLISH.
TEST(MainWindowTexts, EachLanguageSetsItsTextsInTheTablesOrder) {
  const struct {
    std::u16string language;
    const Expected& expected;
  } cases[] = {{u"DEUTSCH", kGerman}, {u"ENGLISH", kEnglish}, {u"FRANCAIS", kGerman}, {u"english", kGerman}};
  for (const auto& c : cases) {
    EXPECT_EQ(Read(InternationalizationTexts(c.language)), c.expected)
        << std::string(c.language.begin(), c.language.end());
  }
}

}  // namespace pendra
