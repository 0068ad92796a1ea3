#pragma once
// The texts of the message boxes, the red bar's alternating hint and the first sheet, in the
// build's language (LanguageTexts.h).
#include <string>
#include <vector>

#include "lang/LanguageTexts.h"

namespace pendra {

// The report of a failing handler and of a failure no handler caught.
inline constexpr const char16_t* const& kExceptionBoxTitle = BuildTexts.messages.exceptionBoxTitle;
inline constexpr const char16_t* const& kUnhandledFailureTitle = BuildTexts.messages.unhandledFailureTitle;
extern const char16_t kSupportAddress[];
// The five-line text of the box that names a failing handler.
std::u16string ExceptionBoxText(const std::u16string& methode);
// The text of the box for a failure no handler caught, naming its message and kind.
std::u16string UnhandledFailureText(const std::u16string& message, const std::u16string& typeName);

// Saving the data file.
inline constexpr const char16_t* const& kSaveProblemTitle = BuildTexts.messages.saveProblemTitle;
std::u16string SaveReadOnlyText(const std::u16string& dataFile, const std::u16string& message,
                                const std::u16string& typeName);
std::u16string SaveTemporaryFileText(const std::u16string& folder, const std::u16string& typeName);
std::u16string SaveReplaceText(const std::u16string& dataFile, const std::u16string& typeName);

// A data file that could not be read whole is kept beside it.
inline constexpr const char16_t* const& kKeptUnreadableTitle = BuildTexts.messages.keptUnreadableTitle;
std::u16string KeptUnreadableText(const std::u16string& keptFile);
// A data file whose characters did not match its encoding is kept beside it.
std::u16string KeptLostCharactersText(const std::u16string& keptFile);
std::u16string NotKeptUnreadableText(const std::u16string& dataFile, const std::u16string& typeName);
// Temporary files of saves that earlier runs could not finish, kept beside the data file.
std::u16string KeptLeftoversText(const std::vector<std::u16string>& keptFiles);
// A data file another program changed could not be kept before the save replaced it.
std::u16string NotKeptConflictText(const std::u16string& dataFile, const std::u16string& typeName);

// Another version of the list was merged in, and texts of it that the list could not hold were
// kept in a file beside it.
inline constexpr const char16_t* const& kMergeConflictTitle = BuildTexts.messages.mergedTitle;
std::u16string MergeConflictText(const std::u16string& keptFile);
// Copies that sync clients left beside the list were merged in and moved into a folder.
std::u16string MergedCopiesText(size_t count, const std::u16string& folder);
// Two PCs sent each other their own versions back: the other's stands now, and this one's was kept.
std::u16string OwnVersionKeptText(const std::u16string& keptFile);

// Moving the list into another folder.
inline constexpr const char16_t* const& kMoveListTitle = BuildTexts.messages.moveListTitle;
std::u16string ListThereUnreadableText(const std::u16string& file);
std::u16string NotRememberedListFolderText(const std::u16string& folder, const std::u16string& typeName);

// The summon key's dialog and names, and the note when another program holds the key.
inline constexpr const SummonKeyTexts& kSummonKeyTexts = BuildTexts.summonKey;
std::u16string SummonKeyTakenText(const std::u16string& keyName);

// The window while another program holds the data file open at start.
inline constexpr const char16_t* const& kWaitingForDataFileText = BuildTexts.messages.waitingForDataFile;

// Finding the data folder.
inline constexpr const char16_t* const& kDataFolderProblemTitle = BuildTexts.messages.dataFolderProblemTitle;
inline constexpr const char16_t* const& kDataFolderProblemText = BuildTexts.messages.dataFolderProblem;

// The questions before a row or column with text is deleted; the trimmed texts follow.
inline constexpr const char16_t* const& kDeleteTitle = BuildTexts.messages.deleteTitle;
inline constexpr const char16_t* const& kDeleteRowQuestion = BuildTexts.messages.deleteRowQuestion;
inline constexpr const char16_t* const& kDeleteColumnQuestion = BuildTexts.messages.deleteColumnQuestion;

// The note before the restart that drops the skin.
inline constexpr const char16_t* const& kNoSkinNoticeTitle = BuildTexts.messages.noSkinNoticeTitle;
inline constexpr const char16_t* const& kNoSkinNoticeText = BuildTexts.messages.noSkinNotice;

// The red bar's hint while the window is expanded, and while it is collapsed, as they
// alternate with the collapse and the expansion.
inline constexpr const char16_t* const& kHintRedBarCollapse = BuildTexts.hints.redBarCollapse;
inline constexpr const char16_t* const& kHintRedBarExpand = BuildTexts.hints.redBarExpand;

// What screen readers are told of the sheet: its name, a cell without text, the default actions
// of a cell and of a button, and a column without a caption (counted from 0 here, from 1 in the
// text).
inline constexpr const char16_t* const& kAccessibleSheetName = BuildTexts.accessibility.sheet;
inline constexpr const char16_t* const& kAccessibleEmptyCell = BuildTexts.accessibility.emptyCell;
inline constexpr const char16_t* const& kAccessibleEditAction = BuildTexts.accessibility.editAction;
inline constexpr const char16_t* const& kAccessiblePressAction = BuildTexts.accessibility.pressAction;
std::u16string AccessibleColumnName(int col);

// The captions and the example task of a first sheet, left to right.
inline constexpr const std::array<const char16_t*, 3>& kFirstSheetCaptions = BuildTexts.firstSheet.captions;
inline constexpr const std::array<const char16_t*, 3>& kFirstSheetTask = BuildTexts.firstSheet.task;

}  // namespace pendra
