#pragma once
// Every text the user sees: the titles and texts of the message boxes, the popup menu's
// captions and the first sheet. One module per interface language defines them.
#include <string>

namespace pendra {

// The report of a failing handler and of a failure no handler caught.
extern const char16_t kExceptionBoxTitle[];
extern const char16_t kUnhandledFailureTitle[];
extern const char16_t kSupportAddress[];
// The five-line text of the box that names a failing handler.
std::u16string ExceptionBoxText(const std::u16string& methode);
// The text of the box for a failure no handler caught, naming its message and kind.
std::u16string UnhandledFailureText(const std::u16string& message, const std::u16string& typeName);

// Saving the data file.
extern const char16_t kSaveProblemTitle[];
std::u16string SaveReadOnlyText(const std::u16string& dataFile, const std::u16string& message,
                                const std::u16string& typeName);
std::u16string SaveTemporaryFileText(const std::u16string& folder, const std::u16string& typeName);
std::u16string SaveReplaceText(const std::u16string& dataFile, const std::u16string& typeName);

// A data file that could not be read whole is kept beside it.
extern const char16_t kKeptUnreadableTitle[];
std::u16string KeptUnreadableText(const std::u16string& keptFile);
std::u16string NotKeptUnreadableText(const std::u16string& dataFile, const std::u16string& typeName);
// A data file another program changed could not be kept before the save replaced it.
std::u16string NotKeptConflictText(const std::u16string& dataFile, const std::u16string& typeName);

// Finding the data folder.
extern const char16_t kDataFolderProblemTitle[];
extern const char16_t kDataFolderProblemText[];

// The questions before a row or column with text is deleted; the trimmed texts follow.
extern const char16_t kDeleteTitle[];
extern const char16_t kDeleteRowQuestion[];
extern const char16_t kDeleteColumnQuestion[];

// The note before the restart that drops the skin.
extern const char16_t kNoSkinNoticeTitle[];
extern const char16_t kNoSkinNoticeText[];

// The popup menu.
extern const char16_t kMenuChangeTitle[];
extern const char16_t kMenuTitleBold[];
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

// The hints of the red bar (while the window is expanded, and while it is collapsed) and of
// the small buttons.
extern const char16_t kHintRedBarCollapse[];
extern const char16_t kHintRedBarExpand[];
extern const char16_t kHintExit[];
extern const char16_t kHintMinimize[];
extern const char16_t kHintAddRow[];
extern const char16_t kHintDeleteRow[];
extern const char16_t kHintAddColumn[];
extern const char16_t kHintDeleteColumn[];

// The captions and the example task of a first sheet, left to right.
extern const char16_t* const kFirstSheetCaptions[3];
extern const char16_t* const kFirstSheetTask[3];

}  // namespace pendra
