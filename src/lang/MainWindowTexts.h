#pragma once
// The main window's texts in the build's language (LanguageTexts.h): the captions of the popup
// menu's fixed items and the hints of the red bar and the small buttons.
#include "lang/LanguageTexts.h"

namespace pendra {

// The four title-bold items, designed as "Title Bold" and "Titelzeile Fett", share one caption.
inline constexpr const char16_t* const& kMenuChangeTitle = BuildTexts.menu.changeTitle;
inline constexpr const char16_t* const& kMenuTitleBold = BuildTexts.menu.titleBold;
inline constexpr const char16_t* const& kMenuTitleFett = BuildTexts.menu.titleBold;
inline constexpr const char16_t* const& kMenuGridLines = BuildTexts.menu.gridLines;
inline constexpr const char16_t* const& kMenuThisColumn = BuildTexts.menu.thisColumn;
inline constexpr const char16_t* const& kMenuLeftAlign = BuildTexts.menu.leftAlign;
inline constexpr const char16_t* const& kMenuCenterAlign = BuildTexts.menu.centerAlign;
inline constexpr const char16_t* const& kMenuRightAlign = BuildTexts.menu.rightAlign;
inline constexpr const char16_t* const& kMenuAddRow = BuildTexts.menu.addRow;
inline constexpr const char16_t* const& kMenuDeleteRow = BuildTexts.menu.deleteRow;
inline constexpr const char16_t* const& kMenuAddColumn = BuildTexts.menu.addColumn;
inline constexpr const char16_t* const& kMenuDeleteColumn = BuildTexts.menu.deleteColumn;
inline constexpr const char16_t* const& kMenuSkin = BuildTexts.menu.skin;
inline constexpr const char16_t* const& kMenuNoSkin = BuildTexts.menu.noSkin;
inline constexpr const char16_t* const& kMenuOpenFolderHere = BuildTexts.menu.openFolderHere;
inline constexpr const char16_t* const& kMenuAbout = BuildTexts.menu.about;
inline constexpr const char16_t* const& kMenuListFolder = BuildTexts.menu.listFolder;
inline constexpr const char16_t* const& kMenuSummonKey = BuildTexts.menu.summonKey;
inline constexpr const char16_t* const& kMenuExit = BuildTexts.menu.exit;

// The red bar's hint of an expanded window, as the window starts.
inline constexpr const char16_t* const& kHintRedBar = BuildTexts.hints.redBarCollapse;
inline constexpr const char16_t* const& kHintExit = BuildTexts.hints.exit;
inline constexpr const char16_t* const& kHintMinimize = BuildTexts.hints.minimize;
inline constexpr const char16_t* const& kHintAddRow = BuildTexts.hints.addRow;
inline constexpr const char16_t* const& kHintDeleteRow = BuildTexts.hints.deleteRow;
inline constexpr const char16_t* const& kHintAddColumn = BuildTexts.hints.addColumn;
inline constexpr const char16_t* const& kHintDeleteColumn = BuildTexts.hints.deleteColumn;

}  // namespace pendra
