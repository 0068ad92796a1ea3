#pragma once
// The texts the user sees in every build, whatever its language: the titles and texts of the
// message boxes, the red bar's alternating hint and the first sheet. The texts that follow the
// build's language are in MainWindowTexts.h and AboutTexts.h.
#include <string>
#include <vector>

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
// A data file whose characters did not match its encoding is kept beside it.
std::u16string KeptLostCharactersText(const std::u16string& keptFile);
std::u16string NotKeptUnreadableText(const std::u16string& dataFile, const std::u16string& typeName);
// Temporary files of saves that earlier runs could not finish, kept beside the data file.
std::u16string KeptLeftoversText(const std::vector<std::u16string>& keptFiles);
// A data file another program changed could not be kept before the save replaced it.
std::u16string NotKeptConflictText(const std::u16string& dataFile, const std::u16string& typeName);

// Another version of the list was merged in, and texts of it that the list could not hold were
// kept in a file beside it.
extern const char16_t kMergeConflictTitle[];
std::u16string MergeConflictText(const std::u16string& keptFile);
// Copies that sync clients left beside the list were merged in and moved into a folder.
std::u16string MergedCopiesText(size_t count, const std::u16string& folder);

// The window while another program holds the data file open at start.
extern const char16_t kWaitingForDataFileText[];

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

// The red bar's hint while the window is expanded, and while it is collapsed, as they
// alternate with the collapse and the expansion.
extern const char16_t kHintRedBarCollapse[];
extern const char16_t kHintRedBarExpand[];

// The captions and the example task of a first sheet, left to right.
extern const char16_t* const kFirstSheetCaptions[3];
extern const char16_t* const kFirstSheetTask[3];

}  // namespace pendra
