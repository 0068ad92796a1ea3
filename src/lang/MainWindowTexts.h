#pragma once
// The texts of the main window that depend on the build's language: the captions of the popup
// menu's fixed items and the hints of the red bar and the small buttons.
#include <string>
#include <vector>

namespace pendra {

// The controls whose text Internationalization sets, in the order it sets them.
enum class MainWindowControl : unsigned char {
  mnuChangeTitle,
  mnuMakeTitleBoldDeaktiv,
  mnuMakeTitleBoldAktiv,
  mnuTitleFettDeaktiv,
  mnuTitleFettAktiv,
  mnuShowGridLinesDeaktiv,
  mnuShowGridLinesAktiv,
  mnuThisColumn,
  mnuLeftAlign,
  mnuCenterAlign,
  mnuRightAlign,
  mnuAddRow,
  mnuDeleteRow,
  mnuAddColumn,
  mnuDeleteColumn,
  mnuSkin,
  mnuNoSkin,
  mnuOpenFolderHere,
  mnuAbout,
  mnuExit,
  ImageRedButtonAufklapper,  // the hints from here on
  PanelExitIcon,
  PanelMinimizeIcon,
  PanelPlusRow,
  PanelMinusRow,
  PanelPlusColumn,
  PanelMinusColumn,
};

struct ControlText {
  MainWindowControl control;
  const char16_t* text;
};

// The texts Internationalization sets, in order: the English ones for ENGLISH, the German ones
// for every other language. The four title-bold items end with one caption, the two grid-line
// items with another.
const std::vector<ControlText>& InternationalizationTexts(const std::u16string& language);

// The window's design texts (English): what the controls carry until Internationalization runs.
extern const char16_t kMenuChangeTitle[];
extern const char16_t kMenuTitleBold[];
extern const char16_t kMenuTitleFett[];
extern const char16_t kMenuGridLines[];
extern const char16_t kMenuThisColumn[];
extern const char16_t kMenuLeftAlign[];
extern const char16_t kMenuCenterAlign[];
extern const char16_t kMenuRightAlign[];
extern const char16_t kMenuAddRow[];
extern const char16_t kMenuDeleteRow[];
extern const char16_t kMenuAddColumn[];
extern const char16_t kMenuDeleteColumn[];
extern const char16_t kMenuSkin[];
extern const char16_t kMenuNoSkin[];
extern const char16_t kMenuOpenFolderHere[];
extern const char16_t kMenuAbout[];
extern const char16_t kMenuExit[];
extern const char16_t kHintRedBar[];
extern const char16_t kHintExit[];
extern const char16_t kHintMinimize[];
extern const char16_t kHintAddRow[];
extern const char16_t kHintDeleteRow[];
extern const char16_t kHintAddColumn[];
extern const char16_t kHintDeleteColumn[];

}  // namespace pendra
