#pragma once
// Every text the user sees that depends on the language, as one table per language:
// kDeutschTexts (TextsDeutsch.h) and kEnglishTexts (TextsEnglish.h). A build speaks one
// language: it links exactly one of LanguageDeutsch.cpp and LanguageEnglish.cpp, which defines
// BuildTexts as that language's table, and the names of Language.h, MainWindowTexts.h, Texts.h
// and AboutTexts.h refer into BuildTexts. Nothing chooses a text at run time.
//
// A text built from parts is a pattern whose placeholders in braces ("{file}") the functions of
// Texts.h fill in (Pattern.h); a pattern has the same placeholders, line breaks and quoting in
// every language.
#include <array>

namespace pendra {

// The captions of the popup menu's fixed items. The four title-bold items share one caption,
// the two grid-line items another.
struct MenuTexts {
  const char16_t* changeTitle;
  const char16_t* titleBold;
  const char16_t* gridLines;
  const char16_t* thisColumn;
  const char16_t* leftAlign;
  const char16_t* centerAlign;
  const char16_t* rightAlign;
  const char16_t* addRow;
  const char16_t* deleteRow;
  const char16_t* addColumn;
  const char16_t* deleteColumn;
  const char16_t* skin;
  const char16_t* noSkin;
  const char16_t* openFolderHere;
  const char16_t* about;
  const char16_t* listFolder;
  const char16_t* summonKey;
  const char16_t* exit;
};

// The hints of the window's small buttons, and the red bar's hint while the window is expanded
// and while it is collapsed.
struct HintTexts {
  const char16_t* exit;
  const char16_t* minimize;
  const char16_t* addRow;
  const char16_t* deleteRow;
  const char16_t* addColumn;
  const char16_t* deleteColumn;
  const char16_t* redBarCollapse;
  const char16_t* redBarExpand;
};

// The message boxes' titles and texts; the patterns' placeholders follow each of them.
struct MessageTexts {
  const char16_t* exceptionBoxTitle;
  const char16_t* exceptionBox;  // {handler} {support}
  const char16_t* unhandledFailureTitle;
  const char16_t* unhandledFailure;  // {message} {type}
  const char16_t* saveProblemTitle;
  const char16_t* saveReadOnly;       // {file} {message} {type}
  const char16_t* saveTemporaryFile;  // {folder} {type}
  const char16_t* saveReplace;        // {file} {type}
  const char16_t* keptUnreadableTitle;
  const char16_t* keptUnreadable;      // {file}
  const char16_t* keptLostCharacters;  // {file}
  const char16_t* notKeptUnreadable;   // {file} {type}
  const char16_t* keptLeftovers;       // {files}, each file on a line of its own
  const char16_t* notKeptConflict;     // {file} {type}
  const char16_t* mergedTitle;
  const char16_t* mergeConflict;            // {file}
  const char16_t* mergedCopy;               // {folder}
  const char16_t* mergedCopies;             // {count} {folder}
  const char16_t* ownVersionKept;           // {file}
  const char16_t* moveListTitle;            // also the folder picker's
  const char16_t* listThereUnreadable;      // {file}
  const char16_t* listFolderNotRemembered;  // {folder} {type}
  const char16_t* waitingForDataFile;
  const char16_t* dataFolderProblemTitle;
  const char16_t* dataFolderProblem;
  const char16_t* deleteTitle;
  const char16_t* deleteRowQuestion;  // the trimmed texts of the row follow
  const char16_t* deleteColumnQuestion;
  const char16_t* noSkinNoticeTitle;
  const char16_t* noSkinNotice;
};

// The captions and the example task of a first sheet, left to right.
struct FirstSheetTexts {
  std::array<const char16_t*, 3> captions;
  std::array<const char16_t*, 3> task;
};

// The About dialog's labels, named as the dialog names them, and the hint of the sister
// product's icon and link. llbInfo33 is a blank line. The links show the web sites the dialog
// opens; the hint names the sister product's site as its link shows it.
struct AboutTexts {
  const char16_t* llbInfo11;
  const char16_t* llbInfo12;
  const char16_t* llbInfo13;
  const char16_t* llbInfo21;
  const char16_t* llbInfo22;
  const char16_t* llbInfo23;
  const char16_t* llbInfo31;
  const char16_t* llbInfo32;
  const char16_t* llbInfo33;
  const char16_t* llbInfo4;
  const char16_t* lblLink;
  const char16_t* llbKSInfo1;
  const char16_t* llbKSInfo2;
  const char16_t* llbKSLink;
  const char16_t* llbKSInfo3;
  const char16_t* llbKSInfo4;
  const char16_t* llbKSInfo5;
  const char16_t* ksHint;
};

// The summon key's dialog, the note when another program holds the key, and the names of the
// modifier keys as the note names a key ("Strg+Alt+Umschalt+Leertaste").
struct SummonKeyTexts {
  const char16_t* dialogTitle;
  const char16_t* explanation;
  const char16_t* useKey;
  const char16_t* taken;
  const char16_t* ok;
  const char16_t* cancel;
  const char16_t* takenNoteTitle;
  const char16_t* takenNote;  // {key}
  const char16_t* ctrl;
  const char16_t* alt;
  const char16_t* shift;
  const char16_t* win;
};

// What screen readers are told of the sheet: its name, a cell without text, a column without a
// caption ({number} counts from 1), and the default actions of a cell and of a button.
struct AccessibilityTexts {
  const char16_t* sheet;
  const char16_t* emptyCell;
  const char16_t* column;  // {number}
  const char16_t* editAction;
  const char16_t* pressAction;
};

struct LanguageTexts {
  // The language identifier ("DEUTSCH", "ENGLISH") and the version text of the About
  // dialog's caption ("1.3 Deutsch (64bit)").
  const char16_t* identifier;
  const char16_t* versionText;
  MenuTexts menu;
  HintTexts hints;
  MessageTexts messages;
  FirstSheetTexts firstSheet;
  AboutTexts about;
  SummonKeyTexts summonKey;
  AccessibilityTexts accessibility;
};

// The table of the build's language, defined by the one language module the build links.
extern const LanguageTexts BuildTexts;

}  // namespace pendra
