#pragma once
// The English texts.
#include "lang/Language.h"
#include "lang/LanguageTexts.h"
#include "lang/Version.h"

namespace pendra {

inline constexpr LanguageTexts kEnglishTexts = {
    .identifier = kEnglish,
    .versionText = u"" PENDRA_VERSION_TEXT " English (64bit)",
    .menu =
        {
            .changeTitle = u"Change &Title Text",
            .titleBold = u"Title &Bold",
            .gridLines = u"Draw &Grid Lines",
            .thisColumn = u"&Column ...",
            .leftAlign = u"Left Align",
            .centerAlign = u"Center Align",
            .rightAlign = u"RightAlign",
            .addRow = u"&Add Row",
            .deleteRow = u"&Delete Row",
            .addColumn = u"A&dd Column",
            .deleteColumn = u"D&elete Column",
            .skin = u"&Skin ...",
            .noSkin = u"No Skin",
            .openFolderHere = u"&Open File Folder",
            .about = u"&About Pendra",
            .listFolder = u"Choose &List Folder ...",
            .summonKey = u"&Hot Key ...",
            .exit = u"E&xit",
        },
    .hints =
        {
            .exit = u"Exit",
            .minimize = u"Minimize",
            .addRow = u"Add Row",
            .deleteRow = u"Delete Row",
            .addColumn = u"Add Column",
            .deleteColumn = u"Delete Column",
            .redBarCollapse = u"To make small click on the red bar",
            .redBarExpand = u"To enlarge click on the red bar",
        },
    .messages =
        {
            .exceptionBoxTitle = u"Exception",
            .exceptionBox = u"Exception in \"{handler}\" \r\nThis is probably a new, unknown error!\r\n"
                            u"Please report this error to the development team at:\r\n{support}\r\nThank you!",
            .unhandledFailureTitle = u"Error",
            .unhandledFailure = u"An unknown error has occurred:\r\n{message} ({type})",
            .saveProblemTitle = u"Error while saving",
            .saveReadOnly = u"Cannot remove the read-only attribute of this file: \r\n\"{file}\"\r\n"
                            u"Saving is not possible! Error: \"{message} ({type})\"",
            .saveTemporaryFile = u"Problem saving temporarily to this path: \r\n\"{folder}\"\r\n"
                                 u"Saving is not possible! Please check that the drive is still there!\r\n"
                                 u"Error: \"{type}\"",
            .saveReplace = u"A problem occurred while saving this file: \r\n\"{file}\"\r\n"
                           u"Saving is not possible! Error: \"{type}\"",
            .keptUnreadableTitle = u"Note",
            .keptUnreadable = u"The file with your list could not be read completely.\r\n"
                              u"It has been kept unchanged at: \r\n\"{file}\"",
            .keptLostCharacters =
                u"The file with your list contains characters that are not stored in its declared encoding "
                u"(accented letters, for example). They were replaced while reading.\r\n"
                u"The file has been kept unchanged at: \r\n\"{file}\"",
            .notKeptUnreadable = u"The file with your list could not be read completely, nor could it be kept: \r\n"
                                 u"\"{file}\"\r\nIt will therefore not be overwritten. Error: \"{type}\"",
            .keptLeftovers =
                u"Pendra could not finish saving your list last time. What was written may contain changes that "
                u"are missing from your list, and has been kept at: {files}",
            .notKeptConflict = u"The file with your list was changed by another program, and that version could "
                               u"not be kept: \r\n\"{file}\"\r\nError: \"{type}\"",
            .mergedTitle = u"List brought up to date",
            .mergeConflict = u"Changes from another PC are now in your list. Where both changed the same cell, "
                             u"your text stayed; the other version is here: \"{file}\"",
            .mergedCopy = u"A conflicted copy made by your sync program has been taken into your list. "
                          u"It is now here: \"{folder}\"",
            .mergedCopies = u"{count} conflicted copies made by your sync program have been taken into your list. "
                            u"They are now here: \"{folder}\"",
            .ownVersionKept = u"This PC and another one had changed the same tasks differently. So that both "
                              u"show the same list, the other PC's version now stands; yours is here: \"{file}\"",
            .moveListTitle = u"List Folder",
            .listThereUnreadable = u"This folder already holds a list that cannot be read completely: "
                                   u"\r\n\"{file}\"\r\nYour list stays where it is.",
            .listFolderNotRemembered = u"Your list is here now, but Pendra could not remember the folder and will "
                                       u"look for it in the old place at the next start: \r\n\"{folder}\"\r\n"
                                       u"Error: \"{type}\"",
            .waitingForDataFile = u"Pendra.xml is open in another program at the moment.\r\n\r\n"
                                  u"Pendra will wait until the file is free and then show your list.",
            .dataFolderProblemTitle = u"Error",
            .dataFolderProblem = u"An unknown error occurred while loading the ini file",
            .deleteTitle = u"Warning",
            .deleteRowQuestion = u"Do you really want to delete the row?\r\nContents: ",
            .deleteColumnQuestion = u"Do you really want to delete the column?\r\nContents: ",
            .noSkinNoticeTitle = u"Note",
            .noSkinNotice = u"The skin has been deselected!\r\nPendra will now restart to apply this setting",
        },
    .firstSheet =
        {
            .captions = {u"Prio", u"Task", u"Time"},
            .task = {u"High", u"...Click for a new task", u"10min"},
        },
    .about =
        {
            .llbInfo11 = u"Click on the red bar to",
            .llbInfo12 = u"shrink 'Pendra' to a small",
            .llbInfo13 = u"bar on your desktop.",
            .llbInfo21 = u"Right click anywhere to",
            .llbInfo22 = u"open a menu with more",
            .llbInfo23 = u"options!",
            .llbInfo31 = u"Use the + and - to add",
            .llbInfo32 = u"or remove columns / rows",
            .llbInfo33 = u" ",
            .llbInfo4 = u"More information here:",
            .lblLink = u"www.feldmark-software.example/pendra",
            .llbKSInfo1 = u"'Pendra' is an official Plugin of the popular",
            .llbKSInfo2 = u"Kastrel Organizers. Please visit",
            .llbKSLink = u"www.kastrel.example",
            .llbKSInfo3 = u"and test it for free!",
            .llbKSInfo4 = u"Kastrel is a helpful, fast-access systems tray",
            .llbKSInfo5 = u"tool for making and storing quick notes.",
            .ksHint = u"Visit www.kastrel.example",
        },
    .summonKey =
        {
            .dialogTitle = u"Hot Key",
            .explanation = u"This key brings Pendra to the front from anywhere, ready for a new task. "
                           u"Pressing it again puts Pendra back.",
            .useKey = u"&Use a hot key",
            .taken = u"Another program already uses this key. Please choose another one.",
            .ok = u"OK",
            .cancel = u"Cancel",
            .takenNoteTitle = u"Hot key taken",
            .takenNote = u"Another program already uses {key}. Pendra works on without a hot key; "
                         u"choose another one in the menu under \"Hot Key ...\".",
            .ctrl = u"Ctrl",
            .alt = u"Alt",
            .shift = u"Shift",
            .win = u"Win",
        },
    .accessibility =
        {
            .sheet = u"To-do list",
            .emptyCell = u"empty",
            .column = u"Column {number}",
            .editAction = u"Edit",
            .pressAction = u"Press",
        },
};

}  // namespace pendra
