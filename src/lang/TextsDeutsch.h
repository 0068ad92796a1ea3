#pragma once
// The German texts.
#include "lang/Language.h"
#include "lang/LanguageTexts.h"
#include "lang/Version.h"

namespace pendra {

inline constexpr LanguageTexts kDeutschTexts = {
    .identifier = kDeutsch,
    .versionText = u"" PENDRA_VERSION_TEXT " Deutsch (64bit)",
    .menu =
        {
            .changeTitle = u"&Titelzeile ändern",
            .titleBold = u"Titelzeile &Fett",
            .gridLines = u"Tabellen-Linien &malen",
            .thisColumn = u"&Spalte...",
            .leftAlign = u"&Linksbündig",
            .centerAlign = u"&Zentriert",
            .rightAlign = u"&Rechtsbündig",
            .addRow = u"&Neue Zeile hinzufügen",
            .deleteRow = u"Letzte Zeile &entfernen",
            .addColumn = u"Neue Spalte &hinzufügen",
            .deleteColumn = u"&Letzte Spalte entfernen",
            .skin = u"&Skin ...",
            .noSkin = u"&Kein Skin",
            .openFolderHere = u"Datei Ordner hier &öffnen",
            .about = u"Über Pendra",
            .listFolder = u"Ort der Liste &wählen ...",
            .summonKey = u"Tasten&kürzel ...",
            .exit = u"&Beenden",
        },
    .hints =
        {
            .exit = u"Beenden",
            .minimize = u"Minimieren",
            .addRow = u"Neue Zeile hinzufügen",
            .deleteRow = u"Letzte Zeile entfernen",
            .addColumn = u"Neue Spalte hinzufügen",
            .deleteColumn = u"Letzte Spalte entfernen",
            .redBarCollapse = u"Zum Verkleinern auf den roten Balken klicken",
            .redBarExpand = u"Zum Vergrößern auf den roten Balken klicken",
        },
    .messages =
        {
            .exceptionBoxTitle = u"Ausnahmefehler",
            .exceptionBox =
                u"Exception in \"{handler}\" \r\nDies is vermutlich ein unbekannter, neuer Fehler!\r\n"
                u"Bitte berichten Sie diesen Fehler dem Entwicklungsteam unter:\r\n{support}\r\nVielen Dank!",
            .unhandledFailureTitle = u"Fehler",
            .unhandledFailure = u"Ein unbekannter Fehler ist aufgetreten:\r\n{message} ({type})",
            .saveProblemTitle = u"Fehler beim Speichern",
            .saveReadOnly = u"Kann Schreibschutz dieser Datei nicht entfernen: \r\n\"{file}\"\r\n"
                            u"Speichern nicht möglich! Fehler: \"{message} ({type})\"",
            .saveTemporaryFile = u"Problem beim temporären Speichern in diesen Pfad: \r\n\"{folder}\"\r\n"
                                 u"Speichern nicht möglich! Bitte prüfen Sie, ob das Laufwerk noch vorhanden ist!\r\n"
                                 u"Fehler: \"{type}\"",
            .saveReplace = u"Problem beim Speichern dieser Datei aufgetreten: \r\n\"{file}\"\r\n"
                           u"Speichern nicht möglich! Fehler: \"{type}\"",
            .keptUnreadableTitle = u"Hinweis",
            .keptUnreadable = u"Die Datei mit Ihrer Liste konnte nicht vollständig gelesen werden.\r\n"
                              u"Sie wurde unverändert aufbewahrt unter: \r\n\"{file}\"",
            .keptLostCharacters =
                u"Die Datei mit Ihrer Liste enthält Zeichen, die nicht in der angegebenen Kodierung gespeichert sind "
                u"(etwa Umlaute). Sie wurden beim Lesen ersetzt.\r\n"
                u"Die Datei wurde unverändert aufbewahrt unter: \r\n\"{file}\"",
            .notKeptUnreadable =
                u"Die Datei mit Ihrer Liste konnte nicht vollständig gelesen und nicht aufbewahrt werden: \r\n"
                u"\"{file}\"\r\nSie wird deshalb nicht überschrieben. Fehler: \"{type}\"",
            .keptLeftovers =
                u"Pendra konnte Ihre Liste zuletzt nicht fertig speichern. Was dabei geschrieben wurde, kann "
                u"Änderungen enthalten, die in Ihrer Liste fehlen, und wurde aufbewahrt unter: {files}",
            .notKeptConflict = u"Die Datei mit Ihrer Liste wurde von einem anderen Programm geändert, und diese "
                               u"Fassung konnte nicht aufbewahrt werden: \r\n\"{file}\"\r\nFehler: \"{type}\"",
            .mergedTitle = u"Liste abgeglichen",
            .mergeConflict = u"Änderungen von einem anderen PC sind jetzt in Ihrer Liste. Wo beide dieselbe Zelle "
                             u"geändert haben, blieb Ihr Text; die andere Fassung liegt hier: \"{file}\"",
            .mergedCopy = u"Eine Konfliktkopie Ihres Synchronisierungsprogramms wurde in Ihre Liste übernommen. "
                          u"Sie liegt jetzt hier: \"{folder}\"",
            .mergedCopies = u"{count} Konfliktkopien Ihres Synchronisierungsprogramms wurden in Ihre Liste "
                            u"übernommen. Sie liegen jetzt hier: \"{folder}\"",
            .ownVersionKept = u"Dieser und ein anderer PC hatten dieselben Aufgaben verschieden geändert. Damit "
                              u"beide dieselbe Liste zeigen, gilt jetzt die Fassung des anderen PCs; Ihre liegt hier: "
                              u"\"{file}\"",
            .moveListTitle = u"Ort der Liste",
            .listThereUnreadable = u"In diesem Ordner liegt schon eine Liste, die sich nicht vollständig lesen lässt: "
                                   u"\r\n\"{file}\"\r\nIhre Liste bleibt, wo sie ist.",
            .listFolderNotRemembered = u"Ihre Liste liegt jetzt hier, aber Pendra konnte sich den Ordner nicht "
                                       u"merken und sucht sie beim nächsten Start am alten Ort: \r\n\"{folder}\"\r\n"
                                       u"Fehler: \"{type}\"",
            .waitingForDataFile = u"Pendra.xml ist gerade von einem anderen Programm geöffnet.\r\n\r\n"
                                  u"Pendra wartet, bis die Datei frei ist, und zeigt dann Ihre Liste.",
            .dataFolderProblemTitle = u"Fehler",
            .dataFolderProblem = u"Ein unbekannte Fehler ist aufgetreten bei Laden der ini Datei",
            .deleteTitle = u"Achtung",
            .deleteRowQuestion = u"Möchten Sie die Zeile wirklich löschen?\r\nInhalt: ",
            .deleteColumnQuestion = u"Möchten Sie die Spalte wirklich löschen?\r\nInhalt: ",
            .noSkinNoticeTitle = u"Hinweis",
            .noSkinNotice =
                u"Skin wurde abgewählt!\r\nPendra wird jetzt neu gestartet, um diese Einstellung zu übernehmen",
        },
    .firstSheet =
        {
            .captions = {u"Prio", u"Aufgabe", u"Zeit"},
            .task = {u"Hoch", u"...Klicken für neue Aufgabe", u"10min"},
        },
    .about =
        {
            .llbInfo11 = u"Klicken Sie auf den roten",
            .llbInfo12 = u"Streifen um \"Pendra\" auf",
            .llbInfo13 = u"ihren Desktop zu verkleinern.",
            .llbInfo21 = u"Klicken Sie irgendwo mit der",
            .llbInfo22 = u"rechten Maustaste für ein",
            .llbInfo23 = u"Menü mit mehr Funktionen.",
            .llbInfo31 = u"Mit + / - erzeugen / löschen",
            .llbInfo32 = u"Sie Spalten oder Zeilen",
            .llbInfo33 = u"",
            .llbInfo4 = u"Mehr Informationen hier:",
            .lblLink = u"www.pendra.example",
            .llbKSInfo1 = u"\"Pendra\" ist ein offizielles Plugin des",
            .llbKSInfo2 = u"Kastrel Organizers. Besuchen Sie",
            .llbKSLink = u"www.kastrel.example/de",
            .llbKSInfo3 = u"und testen Sie kostenlos das",
            .llbKSInfo4 = u"geniale und preisgekrönte Tool zum Verwalten von",
            .llbKSInfo5 = u"Notizen, Terminen und Adressen.",
            .ksHint = u"www.kastrel.example/de besuchen",
        },
    .summonKey =
        {
            .dialogTitle = u"Tastenkürzel",
            .explanation = u"Dieses Tastenkürzel holt Pendra von überall nach vorn, bereit für eine neue Aufgabe. "
                           u"Ein zweiter Druck legt Pendra wieder weg.",
            .useKey = u"Tastenkürzel &verwenden",
            .taken = u"Ein anderes Programm verwendet dieses Tastenkürzel schon. Bitte wählen Sie ein anderes.",
            .ok = u"OK",
            .cancel = u"Abbrechen",
            .takenNoteTitle = u"Tastenkürzel belegt",
            .takenNote = u"Ein anderes Programm verwendet schon {key}. Pendra arbeitet ohne Tastenkürzel weiter; "
                         u"ein anderes wählen Sie im Menü unter \"Tastenkürzel ...\".",
            .ctrl = u"Strg",
            .alt = u"Alt",
            .shift = u"Umschalt",
            .win = u"Win",
        },
    .accessibility =
        {
            .sheet = u"Aufgabenliste",
            .emptyCell = u"leer",
            .column = u"Spalte {number}",
            .editAction = u"Bearbeiten",
            .pressAction = u"Drücken",
        },
};

}  // namespace pendra
