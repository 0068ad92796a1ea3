#include "lang/MainWindowTexts.h"

#include "lang/Language.h"
#include "lang/Texts.h"

namespace pendra {

const char16_t kMenuChangeTitle[] = u"Change &Title Text";
const char16_t kMenuTitleBold[] = u"Title &Bold";
const char16_t kMenuTitleFett[] = u"Titelzeile Fett";
const char16_t kMenuGridLines[] = u"Draw &Grid Lines";
const char16_t kMenuThisColumn[] = u"&Column ...";
const char16_t kMenuLeftAlign[] = u"Left Align";
const char16_t kMenuCenterAlign[] = u"Center Align";
const char16_t kMenuRightAlign[] = u"RightAlign";
const char16_t kMenuAddRow[] = u"&Add Row";
const char16_t kMenuDeleteRow[] = u"&Delete Row";
const char16_t kMenuAddColumn[] = u"A&dd Column";
const char16_t kMenuDeleteColumn[] = u"D&elete Column";
const char16_t kMenuSkin[] = u"&Skin ...";
const char16_t kMenuNoSkin[] = u"No Skin";
const char16_t kMenuOpenFolderHere[] = u"&Open File Folder";
const char16_t kMenuAbout[] = u"&About Pendra";
const char16_t kMenuExit[] = u"E&xit";
const char16_t kHintRedBar[] = u"To make small click on the red bar";
const char16_t kHintExit[] = u"Exit";
const char16_t kHintMinimize[] = u"Minimize";
const char16_t kHintAddRow[] = u"Add Row";
const char16_t kHintDeleteRow[] = u"Delete Row";
const char16_t kHintAddColumn[] = u"Add Column";
const char16_t kHintDeleteColumn[] = u"Delete Column";

namespace {

using C = MainWindowControl;

// The design texts, except that the two title-bold items designed as "Titelzeile Fett" read
// "Title &Bold" like the other two.
const std::vector<ControlText> kEnglishTexts = {
    {C::mnuChangeTitle, kMenuChangeTitle},
    {C::mnuMakeTitleBoldDeaktiv, kMenuTitleBold},
    {C::mnuMakeTitleBoldAktiv, kMenuTitleBold},
    {C::mnuTitleFettDeaktiv, kMenuTitleBold},
    {C::mnuTitleFettAktiv, kMenuTitleBold},
    {C::mnuShowGridLinesDeaktiv, kMenuGridLines},
    {C::mnuShowGridLinesAktiv, kMenuGridLines},
    {C::mnuThisColumn, kMenuThisColumn},
    {C::mnuLeftAlign, kMenuLeftAlign},
    {C::mnuCenterAlign, kMenuCenterAlign},
    {C::mnuRightAlign, kMenuRightAlign},
    {C::mnuAddRow, kMenuAddRow},
    {C::mnuDeleteRow, kMenuDeleteRow},
    {C::mnuAddColumn, kMenuAddColumn},
    {C::mnuDeleteColumn, kMenuDeleteColumn},
    {C::mnuSkin, kMenuSkin},
    {C::mnuNoSkin, kMenuNoSkin},
    {C::mnuOpenFolderHere, kMenuOpenFolderHere},
    {C::mnuAbout, kMenuAbout},
    {C::mnuExit, kMenuExit},
    {C::ImageRedButtonAufklapper, kHintRedBar},
    {C::PanelExitIcon, kHintExit},
    {C::PanelMinimizeIcon, kHintMinimize},
    {C::PanelPlusRow, kHintAddRow},
    {C::PanelMinusRow, kHintDeleteRow},
    {C::PanelPlusColumn, kHintAddColumn},
    {C::PanelMinusColumn, kHintDeleteColumn},
};

const char16_t kTitelzeileFett[] = u"Titelzeile &Fett";
const char16_t kTabellenLinien[] = u"Tabellen-Linien &malen";

const std::vector<ControlText> kGermanTexts = {
    {C::mnuChangeTitle, u"&Titelzeile ändern"},
    {C::mnuMakeTitleBoldDeaktiv, kTitelzeileFett},
    {C::mnuMakeTitleBoldAktiv, kTitelzeileFett},
    {C::mnuTitleFettDeaktiv, kTitelzeileFett},
    {C::mnuTitleFettAktiv, kTitelzeileFett},
    {C::mnuShowGridLinesDeaktiv, kTabellenLinien},
    {C::mnuShowGridLinesAktiv, kTabellenLinien},
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
    {C::ImageRedButtonAufklapper, kHintRedBarCollapse},
    {C::PanelExitIcon, u"Beenden"},
    {C::PanelMinimizeIcon, u"Minimieren"},
    {C::PanelPlusRow, u"Neue Zeile hinzufügen"},
    {C::PanelMinusRow, u"Letzte Zeile entfernen"},
    {C::PanelPlusColumn, u"Neue Spalte hinzufügen"},
    {C::PanelMinusColumn, u"Letzte Spalte entfernen"},
};

}  // namespace

const std::vector<ControlText>& InternationalizationTexts(const std::u16string& language) {
  return language == kEnglish ? kEnglishTexts : kGermanTexts;
}

}  // namespace pendra
